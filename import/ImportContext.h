#pragma once

#include "app/MessageSink.h"
#include "central/CacheProvider.h"
#include "platform/Connection.h"

namespace ovl {

// What an operation of the import engine works on: the two connections, the application's
// caches, the user's language and where messages and questions go.
struct ImportContext {
    db::Connection& local;
    db::Connection& central;
    CacheProvider& caches;
    MessageSink& messages;
    int languageIndex = 0;
    // 0: the local database is a server database; anything else: a file database.
    int databaseType = 1;
    // Set while an import links a legal sales name whose local text differs from the central
    // one; once the import has committed, the user is asked whether to update the legal names.
    bool m_bLegalNameDiffers = false;
    // The user's answer: the caller runs the update after the import.
    bool m_bUpdateLegalNames = false;
};

} // namespace ovl
