#include "suppliers/SupplierChoice.h"

#include "app/Language.h"
#include "app/MessageSink.h"
#include "app/TextCodec.h"
#include "central/OvlNutriUsrProvSet.h"
#include "platform/DbException.h"

#include <stdexcept>

namespace ovl {

SupplierChoice::SupplierChoice(db::Connection& central, CProvCache& suppliers, int accountId)
    : m_central(central), m_suppliers(suppliers), m_nAccountId(accountId) {}

std::string SupplierChoice::NoAccountMessage() {
    static const char* const kTexts[5] = {
        "Cette installation n'a pas de compte : rien ne peut \xEAtre enregistr\xE9 dans la base "
        "centrale.\r\nRenseignez la valeur \xAB Account Id \xBB de la section [Config] des "
        "param\xE8tres du programme.",
        "This installation has no account: nothing can be stored in the central database.\r\n"
        "Fill in the value \"Account Id\" of the [Config] section of the program's settings.",
        "Diese Installation hat kein Konto: in der zentralen Datenbank kann nichts gespeichert "
        "werden.\r\nTragen Sie den Wert \"Account Id\" im Abschnitt [Config] der "
        "Programmeinstellungen ein.",
        "Esta instalaci\xF3n no tiene cuenta: no se puede guardar nada en la base central.\r\n"
        "Rellene el valor \"Account Id\" de la secci\xF3n [Config] de los par\xE1metros del "
        "programa.",
        "Questa installazione non ha un conto: non si pu\xF2 salvare nulla nella base "
        "centrale.\r\nCompilate il valore \"Account Id\" della sezione [Config] delle "
        "impostazioni del programma.",
    };
    const int language = g_nLangOffset / 1000;
    return kTexts[language >= 0 && language < kLanguageCount ? language : kFrenchLanguage];
}

void SupplierChoice::ResetTicks() {
    for (int row = 0; row < m_suppliers.GetCount(); ++row) {
        PROVCACHE& record = m_suppliers.GetRecord(row);
        if (record.m_bEnabled)
            record.m_bTicked = record.m_bSelected;
    }
}

std::vector<int> SupplierChoice::OfferedRows(const std::string& filter) const {
    const std::string key = SearchKey(filter);
    std::vector<int> rows;
    for (int row = 0; row < m_suppliers.GetCount(); ++row) {
        if (!m_suppliers.GetRecord(row).m_bEnabled)
            continue;
        if (!key.empty() && m_suppliers.GetSearchKeyByRow(row).find(key) == std::string::npos)
            continue;
        rows.push_back(row);
    }
    return rows;
}

bool SupplierChoice::SetTicked(std::int32_t supplierId, bool ticked) {
    PROVCACHE* record = m_suppliers.FindRecord(supplierId);
    if (!record)
        return false;
    record->m_bTicked = ticked;
    return true;
}

bool SupplierChoice::Store(MessageSink& messages) {
    if (!HasAccount())
        throw std::logic_error("no installation account: the supplier selection is not stored");
    bool deleted = true;
    try {
        m_central.ExecuteDirect("DELETE FROM `OVLNUTRIUSRPROV` WHERE `OVLNUTRIUSRPROV`.`IDSERNUM`=" +
                                std::to_string(m_nAccountId));
    } catch (const db::DbException& e) {
        messages.ShowMessage(e.Message(), MessageIcon::Exclamation);
        deleted = false;
    }
    AppendTickedRows();
    return deleted;
}

void SupplierChoice::AppendTickedRows() {
    COvlNutriUsrProvSet rs(&m_central);
    rs.m_strFilter = "0"; // opened only to append
    rs.Open(db::OpenType::Dynaset);
    for (int row = 0; row < m_suppliers.GetCount(); ++row) {
        PROVCACHE& record = m_suppliers.GetRecord(row);
        record.m_bSelected = record.m_bTicked;
        if (!record.m_bTicked)
            continue;
        rs.AddNew();
        rs.m_IDSERNUM = m_nAccountId;
        rs.m_IDPROV = record.m_nID;
        rs.Update();
    }
    rs.Close();
}

} // namespace ovl
