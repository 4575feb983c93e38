#include "import/LegalNamesUpdate.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/LibPreEmbCache.h"
#include "central/MsLibCache.h"
#include "platform/DbException.h"

#include <string>

namespace ovl {

namespace {

constexpr int kLegalSalesNameType = 0;
constexpr int kNamesUpdatedText = 2053;

// The statement writing a central label's five texts, stored escaped, over a local label.
std::string UpdateStatement(db::Connection& local, const CMsLibCache& central, int nCentralRow,
                            std::int32_t nLocalId) {
    std::string sql = "UPDATE LibellesPreEmballe SET ";
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i > 0)
            sql += ", ";
        sql += "NAME_" + std::to_string(i + 1) + "=" +
               local.QuoteText(EncodedDbText(central.GetLabelByRow(nCentralRow, i)));
    }
    return sql + " WHERE ID=" + std::to_string(nLocalId);
}

// True when the row was written; a database error is shown and the row skipped.
bool UpdateLegalSalesName(ImportContext& context, const CMsLibCache& central, int nCentralRow,
                          std::int32_t nLocalId) {
    try {
        context.local.ExecuteDirect(UpdateStatement(context.local, central, nCentralRow, nLocalId));
        return true;
    } catch (const db::DbException& e) {
        // A lost connection or a timeout would fail every row after it: the update stops.
        if (db::EndsTransaction(e))
            throw;
        context.messages.ShowMessage(e.Message(), MessageIcon::Exclamation);
        return false;
    }
}

} // namespace

void UpdateLegalSalesNames(ImportContext& context) {
    const CMsLibCache& central = context.caches.MsLibCache();
    const CLibPreEmbCache& local = context.caches.LibPreEmbCache();
    bool bUpdated = false;
    for (int nRow = 0; nRow < local.GetCount(); ++nRow) {
        if (local.GetRecord(nRow).m_nTYPE != kLegalSalesNameType)
            continue;
        const std::string& label = local.GetLabelByRow(nRow);
        const int nCentralRow = central.FindDenomination(label);
        if (nCentralRow < 0 || central.GetLabelByRow(nCentralRow, context.languageIndex) == label)
            continue;
        // Only a row actually written asks for the restart: when every statement failed,
        // nothing changed and the errors have been shown.
        if (UpdateLegalSalesName(context, central, nCentralRow, local.GetRecord(nRow).m_nID))
            bUpdated = true;
    }
    const std::string text =
        CatalogueText(kNamesUpdatedText + LanguageOffsetOf(context.languageIndex));
    context.messages.ShowMessage(text,
                                 bUpdated ? MessageIcon::Exclamation : MessageIcon::Information);
}

} // namespace ovl
