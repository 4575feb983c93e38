#pragma once

#include "platform/Recordset.h"

namespace ovl {

// Labels of the Ovalane software (table Langue_System); rows are chosen by a filter on
// Item_Id, which is not bound. Item 263 holds the version of the local database. Read only.
class CLangueSystemSet : public db::Recordset {
public:
    explicit CLangueSystemSet(db::Connection* connection);

    db::TextField m_Langue_1;

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
