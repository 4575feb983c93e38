#include "import/IngredientCreation.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/ODBCRecordset.h"
#include "central/OvlNutriProdNamesSet.h"
#include "platform/DateTime.h"
#include "platform/DbException.h"
#include "platform/Statement.h"

#include <algorithm>

namespace ovl {

namespace {

// The dialog's texts are French whatever the user's language.
constexpr const char* kUnknownError = "Erreur inconnue";

std::string DuplicateNameText(const std::string& name, int nLanguageIndex) {
    return "Erreur : '" + name + "' existe d\xE9j\xE0 dans la langue " +
           CentralColumnSuffix(nLanguageIndex) + " !";
}

std::string NameTooLongText(int nLanguageIndex) {
    return std::string("Erreur : le nom ") + CentralColumnSuffix(nLanguageIndex) + " d\xE9passe " +
           std::to_string(CIngredientCreation::kMaxNameLength) + " caract\xE8res !";
}

// The constant columns of a new ingredient (PXQTEUNIT ... TVACODE) are written as literals;
// the identifier, the five names and DATE_MAJ are bound. DATE_MAJ is bound as a timestamp, so
// each driver writes the current local time in its own date form (NOW() is not in SQLite).
constexpr const char* kInsertIngredient =
    "INSERT INTO Ingredients (INGRED_ID, NAME_1, NAME_2, NAME_3, NAME_4, NAME_5, DATE_MAJ, "
    "PXQTEUNIT, CATPRINCIPAL, ENTPRINCIPAL, FOUPRINCIPAL, PREEM_DENVENT, PREEM_COMPOS, "
    "PREEM_CATADDITIF, TVACODE) VALUES(?, ?, ?, ?, ?, ?, ?, -1, -1, -1, -1, -1, -1, -1, 1)";

} // namespace

CIngredientCreation::CIngredientCreation(ImportContext& context, std::int32_t nProductId)
    : m_context(context), m_nProductId(nProductId) {}

void CIngredientCreation::LoadProduct() {
    COvlNutriProdNamesSet rs(&m_context.central);
    rs.m_strFilter = "ID=" + std::to_string(m_nProductId);
    rs.Open(db::OpenType::ForwardOnly);
    if (rs.IsEOF())
        return;
    m_bProductFound = true;
    m_strSupplierName = DecodedDbText(rs.m_PROV.Value());
    m_bHasReference = !rs.IsFieldNull(rs.m_REFFAB);
    if (m_bHasReference)
        m_strReference = DecodedDbText(rs.m_REFFAB.Value());
    // Proposed names are taken as stored centrally; the length limit is the edits', for
    // what is typed.
    m_names = {DecodedDbText(rs.m_FR.Value()), DecodedDbText(rs.m_EN.Value()),
               DecodedDbText(rs.m_DE.Value()), DecodedDbText(rs.m_SP.Value()),
               DecodedDbText(rs.m_IT.Value())};
    m_strProductName = m_names[0];
}

bool CIngredientCreation::SetName(int nLanguageIndex, const std::string& name) {
    std::string& field = m_names.at(static_cast<std::size_t>(nLanguageIndex));
    if (name.size() > kMaxNameLength) {
        ShowError(NameTooLongText(nLanguageIndex));
        return false;
    }
    field = name;
    return true;
}

const std::string& CIngredientCreation::GetName(int nLanguageIndex) const {
    return m_names.at(static_cast<std::size_t>(nLanguageIndex));
}

bool CIngredientCreation::IsOkEnabled() const {
    return std::none_of(m_names.begin(), m_names.end(),
                        [](const std::string& name) { return name.empty(); });
}

bool CIngredientCreation::OnOK() {
    // The button is disabled until all five names are filled.
    if (!IsOkEnabled() || !CheckIngredientNames())
        return false;
    InsertIngredient();
    return true;
}

std::array<std::string, 5> CIngredientCreation::EscapedNames() const {
    std::array<std::string, 5> escaped;
    for (std::size_t i = 0; i < escaped.size(); ++i)
        escaped[i] = EncodedDbText(m_names[i]);
    return escaped;
}

// One query finds an ingredient holding any of the names in its own language column; only
// its first row is examined. A row that the database's collation matches but a byte
// comparison does not (a server comparing without case) still refuses the names, as an
// unknown error.
bool CIngredientCreation::CheckIngredientNames() {
    const std::array<std::string, 5> escaped = EscapedNames();
    db::Connection& local = m_context.local;
    std::string sql = "SELECT INGRED_ID, NAME_1, NAME_2, NAME_3, NAME_4, NAME_5 FROM Ingredients "
                      "WHERE ";
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (i > 0)
            sql += " OR ";
        sql += "NAME_" + std::to_string(i + 1) + "=" + local.QuoteText(escaped[i]);
    }
    CODBCRecordset rs(&local);
    rs.Open(sql, db::OpenType::ForwardOnly);
    if (rs.IsEOF())
        return true;
    std::string message = kUnknownError;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const CDBField& stored = rs.GetField(static_cast<int>(i) + 1);
        if (!stored.IsNull() && stored.AsText() == escaped[i]) {
            message = DuplicateNameText(m_names[i], static_cast<int>(i));
            break;
        }
    }
    ShowError(message);
    return false;
}

std::int32_t CIngredientCreation::NextIngredientId() const {
    CODBCRecordset rs(&m_context.local);
    rs.Open("SELECT INGRED_ID FROM Ingredients ORDER BY INGRED_ID DESC LIMIT 1",
            db::OpenType::ForwardOnly);
    // An empty table returns no row: the first ingredient gets 1.
    if (rs.IsEOF())
        return 1;
    return static_cast<std::int32_t>(rs.GetField(0).AsInt() + 1);
}

void CIngredientCreation::InsertIngredient() {
    const std::int32_t nId = NextIngredientId();
    m_strFrenchName = m_names[0];
    const std::array<std::string, 5> escaped = EscapedNames();
    std::vector<db::Value> params{nId};
    std::vector<db::FieldType> types{db::FieldType::Long};
    for (const std::string& name : escaped) {
        params.emplace_back(name);
        types.push_back(db::FieldType::Text);
    }
    params.emplace_back(db::DateTime::Now());
    types.push_back(db::FieldType::Date);
    try {
        db::Statement statement(m_context.local);
        statement.Execute(kInsertIngredient, params, types);
        m_nNewIngredientId = nId;
    } catch (const db::DbException& e) {
        ShowError(e.Message());
        m_nNewIngredientId = -1;
    }
}

void CIngredientCreation::ShowError(const std::string& text) const {
    m_context.messages.ShowMessage(text, MessageIcon::Exclamation);
}

} // namespace ovl
