#pragma once

#include "platform/Recordset.h"

#include <string>

namespace ovl {

// The allergens. ID is also the allergen's bit in the product masks; GROUPE the ID of the
// group's own row; IDOVL and PARENTOVL the local class standing for it and that class's
// parent. Only the name column of the given language is bound; names are read escaped.
class COvlNutriAlrgSet : public db::Recordset {
public:
    COvlNutriAlrgSet(db::Connection* db, int languageIndex);

    db::LongField m_ID;
    db::TextField m_CODE;
    db::TextField m_LIBELLE;
    db::LongField m_GROUPE;
    db::LongField m_IDOVL;
    db::LongField m_PARENTOVL;

    // The bracketed name column of the language, e.g. "[LIBELLE_FR]".
    const std::string& LibelleColumn() const { return m_strLibelleColumn; }

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIALRG]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }

private:
    std::string m_strLibelleColumn;
};

} // namespace ovl
