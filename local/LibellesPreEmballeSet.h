#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The pre-packaging labels (table LibellesPreEmballe): legal sales names (TYPE 0),
// composition components (1), additive categories (6) and specific mentions (7, 8).
// Built with `bCurrentLanguageOnly`, it binds ID, the name column of language
// `nLanguageIndex` (0..4) and TYPE; that name lands in m_NAME_1.
class CLibellesPreEmballeSet : public db::Recordset {
public:
    CLibellesPreEmballeSet(db::Connection* connection, bool bCurrentLanguageOnly,
                           int nLanguageIndex);

    db::LongField m_ID;
    db::TextField m_NAME_1;
    db::TextField m_NAME_2;
    db::TextField m_NAME_3;
    db::TextField m_NAME_4;
    db::TextField m_NAME_5;
    db::ByteField m_TYPE;
    db::LongField m_OWNER;

protected:
    std::string GetDefaultSQL() const override;

private:
    void BindAllColumns();
    void BindLanguageColumns(int nLanguageIndex);
};

} // namespace ovl
