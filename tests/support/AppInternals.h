#pragma once

#include "app/OvlNutriImportApp.h"

namespace ovl::test {

// What the start-up tests look at inside the application object: whether each connection
// is held, which no accessor shows without dereferencing it.
class AppInternals {
public:
    explicit AppInternals(const CovlnutriimportApp& app) : m_app(app) {}
    const db::Connection* CentralDb() const { return m_app.m_pCentralDb.get(); }
    const db::Connection* LocalDb() const { return m_app.m_pLocalDb; }

private:
    const CovlnutriimportApp& m_app;
};

} // namespace ovl::test
