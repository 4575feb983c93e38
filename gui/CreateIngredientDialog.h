#pragma once

#include "app/AppActions.h"
#include "gui/DialogBuilder.h"
#include "import/IngredientCreation.h"

#include <wx/dialog.h>

#include <cstdint>
#include <string>

namespace ovl::gui {

// "Créer et importer un ingrédient": the product, its five names to edit, OK when all five
// are filled; names that exist already keep the dialog open. Texts in French in every
// language.
class CreateIngredientDialog : public wxDialog {
public:
    CreateIngredientDialog(wxWindow* parent, AppActions& actions, std::int32_t productId);

    std::int32_t NewIngredientId() const { return m_creation.GetNewIngredientId(); }
    const std::string& FrenchName() const { return m_creation.GetFrenchName(); }

private:
    void OnNameChanged(int languageIndex, int id);
    void OnOk();

    AppActions& m_actions;
    ImportContext m_context;
    CIngredientCreation m_creation;
    DialogBuilder m_builder;
    bool m_bLoading = false;
};

} // namespace ovl::gui
