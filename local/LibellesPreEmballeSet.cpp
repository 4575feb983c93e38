#include "local/LibellesPreEmballeSet.h"

#include "app/Language.h"
#include "local/LocalColumns.h"

namespace ovl {

CLibellesPreEmballeSet::CLibellesPreEmballeSet(db::Connection* connection,
                                               bool bCurrentLanguageOnly, int nLanguageIndex)
    : db::Recordset(connection) {
    if (bCurrentLanguageOnly)
        BindLanguageColumns(nLanguageIndex);
    else
        BindAllColumns();
    SetKeyColumns({&m_ID});
}

std::string CLibellesPreEmballeSet::GetDefaultSQL() const {
    return "[LibellesPreEmballe]";
}

void CLibellesPreEmballeSet::BindAllColumns() {
    Bind("[ID]", m_ID);
    Bind("[NAME_1]", m_NAME_1, kLocalTextLength);
    Bind("[NAME_2]", m_NAME_2, kLocalTextLength);
    Bind("[NAME_3]", m_NAME_3, kLocalTextLength);
    Bind("[NAME_4]", m_NAME_4, kLocalTextLength);
    Bind("[NAME_5]", m_NAME_5, kLocalTextLength);
    Bind("[TYPE]", m_TYPE);
    Bind("[OWNER]", m_OWNER);
}

// The language's name column goes by its bare name ("NAME_4"), read into m_NAME_1.
void CLibellesPreEmballeSet::BindLanguageColumns(int nLanguageIndex) {
    Bind("[ID]", m_ID);
    Bind("NAME" + LocalColumnSuffix(nLanguageIndex), m_NAME_1, kLocalTextLength);
    Bind("[TYPE]", m_TYPE);
}

} // namespace ovl
