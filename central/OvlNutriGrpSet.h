#pragma once

#include "platform/Recordset.h"

#include <string>

namespace ovl {

// The product groups, with the name of the given language (read escaped). Readers order by
// NameColumn().
class COvlNutriGrpSet : public db::Recordset {
public:
    COvlNutriGrpSet(db::Connection* db, int languageIndex);

    db::LongField m_ID;
    db::LongField m_CIQID;
    db::TextField m_NAME;

    // The bracketed name column of the language, e.g. "[NAME_FR]".
    const std::string& NameColumn() const { return m_strNameColumn; }

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIGRP]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }

private:
    std::string m_strNameColumn;
};

} // namespace ovl
