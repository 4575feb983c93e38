#include "import/IngredientClasses.h"

#include "local/CategIngreSet.h"
#include "platform/DbException.h"

#include <string>

namespace ovl {

void EnsureIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId) {
    CCategIngreSet classes(&local);
    classes.m_strFilter = "([INGR_ID]=" + std::to_string(ingredientId) +
                          ") AND ([CLASS_ID]=" + std::to_string(classId) + ")";
    classes.Open();
    if (!classes.IsEOF())
        return;
    try {
        classes.AddMembership(ingredientId, classId, kStatusParentClass);
    } catch (const db::DbException& e) {
        // A class that cannot be added leaves the import to go on without it, unless the
        // transaction itself is lost.
        if (db::EndsTransaction(e))
            throw;
    }
}

void RemoveIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId) {
    try {
        local.ExecuteDirect(
            "DELETE FROM [CategIngre] WHERE ([INGR_ID]=" + std::to_string(ingredientId) +
            ") AND ([CLASS_ID]=" + std::to_string(classId) + ")");
    } catch (const db::DbException& e) {
        // A class that cannot be removed is left; the operation goes on, unless the
        // transaction itself is lost.
        if (db::EndsTransaction(e))
            throw;
    }
}

} // namespace ovl
