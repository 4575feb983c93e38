#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The users of the Ovalane software (table Utilisateurs): only their language is read; rows
// are chosen by a filter on USER_ID, which is not bound. Read only, opened as a snapshot.
class COvlUtilisateursSet : public db::Recordset {
public:
    explicit COvlUtilisateursSet(db::Connection* connection);

    db::ByteField m_LANGUE;

protected:
    std::string GetDefaultSQL() const override;
    db::OpenType GetDefaultType() const override;
};

} // namespace ovl
