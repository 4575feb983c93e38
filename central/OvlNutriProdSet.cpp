#include "central/OvlNutriProdSet.h"

#include "app/Language.h"

namespace ovl {

namespace {

constexpr size_t kTextLength = 255;
constexpr size_t kListLength = 32768;
constexpr size_t kMaskLength = 255;
constexpr size_t kMaskBytes = 8;

} // namespace

std::uint64_t AllergenMaskFromBytes(const db::Bytes& bytes) {
    std::uint64_t mask = 0;
    const size_t count = bytes.size() < kMaskBytes ? bytes.size() : kMaskBytes;
    for (size_t i = 0; i < count; ++i)
        mask |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return mask;
}

COvlNutriProdSet::COvlNutriProdSet(db::Connection* db, int languageIndex, bool light)
    : Recordset(db), m_bLight(light) {
    const std::string table =
        std::string("[OVLNUTRIPROD_") + CentralColumnSuffix(languageIndex) + "]";
    m_strDefaultSql =
        "[OVLNUTRIPROD] LEFT JOIN " + table + " ON " + table + ".[ID] = [OVLNUTRIPROD].[ID]";
    m_strNameColumn = table + ".[NAME]";
    m_strIngListColumn = table + ".[INGLIST]";
    if (light)
        BindLight();
    else
        BindFull();
}

void COvlNutriProdSet::BindLight() {
    Bind("[OVLNUTRIPROD].[ID]", m_ID);
    Bind("[PROVID]", m_PROVID);
    Bind("[CIQID]", m_CIQID);
    Bind("[GRPID]", m_GRPID);
    Bind(m_strNameColumn, m_NAME, kTextLength);
    Bind("[REFFAB]", m_REFFAB, kTextLength);
    Bind("[SRCID]", m_SRCID);
    Bind("[LASTUPDATE]", m_LASTUPDATE);
}

void COvlNutriProdSet::BindFull() {
    Bind("[OVLNUTRIPROD].[ID]", m_ID);
    Bind("[PROVID]", m_PROVID);
    Bind("[CIQID]", m_CIQID);
    Bind("[GRPID]", m_GRPID);
    Bind(m_strNameColumn, m_NAME, kTextLength);
    Bind("[DATEMAJ]", m_DATEMAJ);
    Bind("[REFFAB]", m_REFFAB, kTextLength);
    Bind("[ALRG]", m_ALRG, kMaskLength);
    Bind("[ALRGPOSS]", m_ALRGPOSS, kMaskLength);
    Bind("[SRCID]", m_SRCID);
    Bind("[OPTIONS]", m_OPTIONS);
    Bind("[COMPOSPCT]", m_COMPOSPCT);
    Bind(m_strIngListColumn, m_INGLIST, kListLength);
    Bind("[ADDITCODEE]", m_ADDITCODEE, kTextLength);
    Bind("[REFFICHEPROD]", m_REFFICHEPROD, kTextLength);
    Bind("[LASTUPDATE]", m_LASTUPDATE);
    Bind("[DENOMLEGID]", m_DENOMLEGID);
    Bind("[COMPOSID]", m_COMPOSID);
    Bind("[ADDITCATEGID]", m_ADDITCATEGID);
}

AllergenMasks COvlNutriProdSet::GetAllergenMasks() const {
    // A product whose masks are only half known is treated as declaring nothing.
    if (IsFieldNull(m_ALRG) || IsFieldNull(m_ALRGPOSS))
        return {};
    return {AllergenMaskFromBytes(m_ALRG), AllergenMaskFromBytes(m_ALRGPOSS)};
}

} // namespace ovl
