#pragma once

#include "local/ValueFlags.h"
#include "platform/Recordset.h"

#include <string>

namespace ovl {

// The nutrient values of the ingredients (table NutriIngred), one row per ingredient and
// nutrient label; OPTION_MSK holds the flags of ValueFlags.h. The one local record class
// whose default connection is used: built without a connection, opening it creates the local
// connection from `strDefaultConnect` (see LocalConnectString), which the record set then owns.
class CNutriIngredSet : public db::Recordset {
public:
    explicit CNutriIngredSet(db::Connection* connection, std::string strDefaultConnect = {});

    db::LongField m_ING_ID;
    db::LongField m_NUTRI_ID;
    db::DoubleField m_QTE;
    db::LongField m_OPTION_MSK;

protected:
    std::string GetDefaultSQL() const override;
    std::string GetDefaultConnect() const override;

private:
    std::string m_strDefaultConnect;
};

} // namespace ovl
