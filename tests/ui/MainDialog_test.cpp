#include "app/TextCodec.h"
#include "tests/support/DatabaseTest.h"
#include "tests/ui/WindowTestSupport.h"
#include "ui/MainDialogLayout.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

using test::Backend;

constexpr int kChocolateIngredient = 8; // "Chocolat noir 70%", code CHO-070

class MainDialogTest : public test::WindowTest {};

TEST_P(MainDialogTest, FirstStartUsesTheDefaults) {
    OpenWindow();
    EXPECT_EQ(m_c->refList.m_widths, (std::vector<int>{75, 235, 90, 85, 90, 75}));
    EXPECT_EQ(m_c->localList.m_widths, (std::vector<int>{275, 100}));
    EXPECT_EQ(m_c->refList.m_headings[1], "Nom");
    EXPECT_EQ(m_c->refList.m_headings[4], "Mise \xE0 jour");
    EXPECT_EQ(m_pDialog->m_nRefSortKey, 2);
    EXPECT_EQ(m_pDialog->m_nLocalSortKey, 1);
    EXPECT_TRUE(m_pDialog->m_bStrictSupplierFilter);
    EXPECT_EQ(m_c->refList.m_selectedBk, ui::Colour::Rgb(122, 186, 242));
    EXPECT_EQ(m_c->refCount.m_text, "0 produit trouv\xE9.");
    EXPECT_EQ(m_c->localCount.m_text, "0 produit trouv\xE9.");
    EXPECT_EQ(m_c->refList.GetRowCount(), 0);
    for (auto* button : {&m_c->importButton, &m_c->clearButton, &m_c->reportButton,
                         &m_c->createButton})
        EXPECT_FALSE(button->IsEnabled());
    EXPECT_EQ(m_c->status.m_text, "Connect\xE9. : " + m_pApp->ServerName());
    EXPECT_EQ(m_c->status.m_colour, ui::Colour::Rgb(0, 192, 0));
    EXPECT_EQ(m_host.m_strTitle.rfind("Ovalane - Importation des valeurs nutritionnelles : " +
                                          m_pApp->ServerName(),
                                      0),
              0u);
    // Selection made before: the notice runs instead of the selection.
    EXPECT_EQ(m_host.m_nNotices, 1);
    EXPECT_EQ(m_host.m_nSupplierSelections, 0);
    EXPECT_TRUE(m_messages.m_messages.empty());
}

TEST_P(MainDialogTest, FirstRunOpensTheSupplierSelectionUntilItIsConfirmed) {
    m_settings.WriteInt("Config", "Prov. Selection Done", 0);
    m_host.m_bSupplierOk = false;
    OpenWindow();
    EXPECT_EQ(m_host.m_nSupplierSelections, 1);
    EXPECT_EQ(m_settings.GetInt("Config", "Prov. Selection Done", -1), 0);

    m_host.m_bSupplierOk = true;
    m_host.m_bStrictChoice = false;
    MakeDialog();
    EXPECT_EQ(m_host.m_nSupplierSelections, 2);
    EXPECT_EQ(m_settings.GetInt("Config", "Prov. Selection Done", -1), 1);
    EXPECT_FALSE(m_pDialog->m_bStrictSupplierFilter);

    MakeDialog();
    EXPECT_EQ(m_host.m_nSupplierSelections, 2);
    EXPECT_EQ(m_host.m_nNotices, 1);
}

TEST_P(MainDialogTest, SearchRunsOnceTheTypingPausesAndFollowsTheLengthAndPrefixRules) {
    OpenWindow();
    m_c->name.SetText("ch");
    m_c->name.SetText("chocolat");
    EXPECT_TRUE(m_c->timer1.IsRunning());
    m_c->timer1.Advance(199);
    EXPECT_EQ(m_c->refList.GetRowCount(), 0);
    m_c->timer1.Advance(1);
    EXPECT_FALSE(m_c->timer1.IsRunning());
    EXPECT_EQ(m_c->refList.GetRowCount(), 10);
    EXPECT_EQ(m_c->refCount.m_text, "10 produits trouv\xE9s.");

    struct Case {
        const char* name;
        bool found;
        const char* startsWith; // every row's folded name starts with it, when given
    };
    const Case cases[] = {
        {"c", false, nullptr},               // one character: no search
        {"noir", true, nullptr},             // anywhere in the name
        {"noir*", false, nullptr},           // no name starts with it
        {"CHOCOLAT NOIR*", true, "CHOCOLAT NOIR"},
        {"r*", false, nullptr},              // one letter and "*": both searched anywhere
    };
    for (const Case& c : cases) {
        Search(c.name);
        EXPECT_EQ(m_c->refList.GetRowCount() > 0, c.found) << c.name;
        for (int row = 0; c.startsWith && row < m_c->refList.GetRowCount(); ++row)
            EXPECT_EQ(SearchKey(RefCell(row, 1)).rfind(c.startsWith, 0), 0u) << RefCell(row, 1);
    }

    // A single character with a category chosen searches.
    Search("c");
    ASSERT_GT(m_c->category.GetCount(), 0);
    m_c->category.Select(0);
    m_pDialog->OnSearchInputChanged();
    m_c->timer1.Advance(200);
    EXPECT_GT(m_c->refList.GetRowCount(), 0);
    EXPECT_EQ(m_c->refCount.m_text.find("1 produit trouv\xE9."), std::string::npos);
}

TEST_P(MainDialogTest, StrictFilterLeavesOutSuppliersThatAreNotSelected) {
    OpenWindow();
    // The demo installation has not selected this enabled supplier.
    m_c->source.SetText("Pastificio");
    m_c->timer1.Advance(200);
    EXPECT_EQ(m_c->refList.GetRowCount(), 0);
    m_pDialog->m_bStrictSupplierFilter = false;
    m_pDialog->OnSearchInputChanged();
    m_c->timer1.Advance(200);
    EXPECT_GT(m_c->refList.GetRowCount(), 0);
    EXPECT_EQ(RefCell(0, 0), "Pastificio Bellini S.p.A.");
}

TEST_P(MainDialogTest, SupplierComboKeepsSelectedSuppliersWhoseNameHoldsTheText) {
    OpenWindow();
    const int all = m_c->supplier.GetCount();
    ASSERT_GT(all, 2);
    m_c->supplier.m_strEdit = "fro";
    m_pDialog->OnSupplierTextEdited();
    ASSERT_EQ(m_c->supplier.GetCount(), 1);
    EXPECT_EQ(m_c->supplier.GetItemText(0), "Fromagerie B\xE9rard");
    EXPECT_EQ(m_c->supplier.GetEditText(), "fro");
    EXPECT_EQ(m_c->supplier.GetSelectedData(), -1);
    EXPECT_FALSE(m_c->timer1.IsRunning()); // narrowing starts no search
}

TEST_P(MainDialogTest, HeaderClicksChangeTheKeyAndTheOrder) {
    OpenWindow();
    Search("chocolat");
    struct Click {
        int column;
        int key;
    };
    for (const Click& click : {Click{1, -2}, Click{0, 1}, Click{0, -1}, Click{9, -1}, Click{4, 5}}) {
        m_pDialog->OnRefHeaderClick(click.column);
        EXPECT_EQ(m_pDialog->m_nRefSortKey, click.key) << click.column;
    }
    // Dates compare as dates, ascending.
    for (int row = 1; row < m_c->refList.GetRowCount(); ++row) {
        const std::string a = RefCell(row - 1, 4), b = RefCell(row, 4);
        const auto ymd = [](const std::string& d) {
            return d.empty() ? d : d.substr(6) + d.substr(3, 2) + d.substr(0, 2);
        };
        EXPECT_LE(ymd(a), ymd(b)) << a << " / " << b;
    }
    m_pDialog->OnLocalHeaderClick(1);
    EXPECT_EQ(m_pDialog->m_nLocalSortKey, 2);
    m_pDialog->OnLocalHeaderClick(1);
    EXPECT_EQ(m_pDialog->m_nLocalSortKey, -2);
}

TEST_P(MainDialogTest, PanesMarkAndButtonsFollowEachEvent) {
    OpenWindow();
    Search("chocolat noir 70*");
    FilterLocal("choc");
    const int ingredientRow = LocalRowOf(kChocolateIngredient);
    ASSERT_GE(ingredientRow, 0);
    EXPECT_FALSE(m_c->createButton.IsEnabled()); // no product shown yet

    ClickProduct(0);
    EXPECT_FALSE(m_c->refPane.m_text.empty());
    EXPECT_EQ(m_c->clipboard.m_text, RefCell(0, 1));
    EXPECT_FALSE(m_c->importButton.IsEnabled()); // no ingredient chosen
    EXPECT_TRUE(m_c->reportButton.IsEnabled());
    EXPECT_TRUE(m_c->createButton.IsEnabled());
    EXPECT_EQ(m_c->mark.m_text, ""); // one pane empty

    ClickIngredient(ingredientRow);
    EXPECT_TRUE(m_c->importButton.IsEnabled());
    EXPECT_TRUE(m_c->clearButton.IsEnabled());
    EXPECT_EQ(m_c->mark.m_text, "<>");
    EXPECT_EQ(m_c->mark.m_colour, ui::Colour::Rgb(192, 0, 0));

    m_pDialog->OnImport();
    EXPECT_EQ(m_c->mark.m_text, "=");
    EXPECT_FALSE(m_pDialog->m_bValuesDiffer);
    EXPECT_TRUE(m_c->mark.m_colour.isDefault);
    EXPECT_EQ(m_c->ingPane.m_text, m_c->refPane.m_text);
    EXPECT_TRUE(m_c->clearButton.IsEnabled());

    m_pDialog->OnClear();
    EXPECT_FALSE(m_c->clearButton.IsEnabled());
    EXPECT_EQ(m_c->mark.m_text, "<>");

    // A refill selects no ingredient.
    FilterLocal("chocolat");
    EXPECT_EQ(m_c->ingPane.m_text, "");
    EXPECT_EQ(m_c->mark.m_text, "");
    EXPECT_FALSE(m_c->importButton.IsEnabled());
    EXPECT_FALSE(m_c->clearButton.IsEnabled());
    // One character keeps the list and disables creation.
    const int rows = m_c->localList.GetRowCount();
    FilterLocal("c");
    EXPECT_EQ(m_c->localList.GetRowCount(), rows);
    EXPECT_FALSE(m_c->createButton.IsEnabled());

    // The reset empties every input, the list and the product pane.
    m_pDialog->OnReset();
    EXPECT_EQ(m_c->name.m_text, "");
    EXPECT_EQ(m_c->refList.GetRowCount(), 0);
    EXPECT_EQ(m_c->refPane.m_text, "");
    EXPECT_FALSE(m_c->reportButton.IsEnabled());
    EXPECT_TRUE(m_messages.m_messages.empty());
}

TEST_P(MainDialogTest, PaneTooltipsShowTheAllergenLists) {
    OpenWindow();
    EXPECT_EQ(m_pDialog->TooltipFor(ui::main_ids::kRefPane).text, "");
    EXPECT_EQ(m_pDialog->TooltipFor(ui::main_ids::kReport).text,
              "Signaler une erreur sur ce produit.");
    Search("chocolat");
    ClickProduct(0);
    const auto tip = m_pDialog->TooltipFor(ui::main_ids::kRefPane);
    EXPECT_EQ(tip.title, "Allerg\xE8nes");
    EXPECT_EQ(tip.text.rfind("Contient : " + m_pDialog->m_strRefAllergens +
                                 "\r\n\r\nPeut contenir des traces de : ",
                             0),
              0u);
}

TEST_P(MainDialogTest, ReportNeedsAProductAndIsDisabledOnceSent) {
    OpenWindow();
    m_pDialog->OnReport();
    EXPECT_EQ(m_host.m_nBeeps, 1);
    Search("chocolat");
    ClickProduct(2);
    m_pDialog->OnReport();
    EXPECT_EQ(m_host.m_nReportedProduct, m_pDialog->RefItemData(2));
    EXPECT_EQ(m_host.m_strReportedName, RefCell(2, 1));
    EXPECT_FALSE(m_c->reportButton.IsEnabled());
}

TEST_P(MainDialogTest, QuittingAsksFirst) {
    OpenWindow();
    m_messages.m_bAnswer = false;
    m_pDialog->OnCloseRequest();
    EXPECT_FALSE(m_host.m_bEnded);
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_EQ(m_messages.m_messages[0].text, "Voulez-vous vraiment quitter l'application ?");
    // Refusing the terms in the review withdraws them and asks too.
    m_host.m_bAcceptTerms = false;
    m_pDialog->OnSystemCommand(ui::kCmdTerms);
    EXPECT_EQ(m_messages.m_messages.size(), 2u);
    EXPECT_FALSE(m_host.m_bEnded);
    m_messages.m_bAnswer = true;
    m_pDialog->OnCloseRequest();
    EXPECT_TRUE(m_host.m_bEnded);
}

TEST_P(MainDialogTest, MaintenanceAtResetEndsTheWindow) {
    OpenWindow();
    m_pDatabases->Central().Connect()->ExecuteDirect(
        "UPDATE OVLSTATUS SET VARINTVALUE=1 WHERE VARID=1");
    m_pDialog->OnReset();
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_EQ(m_messages.m_messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(m_host.m_bEnded);
}

TEST_P(MainDialogTest, WidthsAndSortKeysSurviveARestart) {
    OpenWindow();
    m_c->refList.SetColumnSize(2, 140);
    m_c->localList.SetColumnSize(0, 222);
    m_pDialog->OnRefHeaderClick(2);
    m_pDialog->OnRefHeaderClick(2);
    m_pDialog->OnLocalHeaderClick(1);
    m_pDialog->OnDestroy();
    MakeDialog();
    EXPECT_EQ(m_c->refList.m_widths, (std::vector<int>{75, 235, 140, 85, 90, 75}));
    EXPECT_EQ(m_c->localList.m_widths, (std::vector<int>{222, 100}));
    EXPECT_EQ(m_pDialog->m_nRefSortKey, -3);
    EXPECT_EQ(m_pDialog->m_nLocalSortKey, 2);
}

TEST_P(MainDialogTest, CreationImportsIntoTheNewIngredientInAnotherLanguage) {
    // An English-speaking user: the list shows English names, the filter is the French one.
    m_pDatabases->Local().Connect()->ExecuteDirect("UPDATE Utilisateurs SET LANGUE=1");
    OpenWindow();
    ASSERT_EQ(m_pApp->Language(), 1);
    EXPECT_EQ(m_c->refCount.m_text, "found product 0");
    Search("chocolat");
    ClickProduct(0);
    const std::int32_t productId = m_pDialog->RefItemData(0);
    m_host.m_create = [&](std::int32_t id) -> std::optional<ui::CreatedIngredient> {
        ImportContext context = m_pActions->MakeImportContext();
        CIngredientCreation creation(context, id);
        creation.LoadProduct();
        const char* names[5] = {"Chocolat d'essai", "Test chocolate", "Testschokolade",
                                "Chocolate de prueba", "Cioccolato di prova"};
        for (int language = 0; language < 5; ++language)
            creation.SetName(language, names[language]);
        if (!m_pActions->CreateIngredient(creation))
            return std::nullopt;
        return ui::CreatedIngredient{creation.GetNewIngredientId(), creation.GetFrenchName()};
    };
    m_pDialog->OnCreateIngredient();
    EXPECT_EQ(m_host.m_nCreateProduct, productId);
    EXPECT_EQ(m_c->localFilter.m_text, "Chocolat d'essai");
    EXPECT_EQ(m_pDialog->m_strLocalFilter, "Chocolat d'essai");
    EXPECT_FALSE(m_c->timer2.IsRunning()); // the window's own write arms no refresh
    EXPECT_EQ(m_c->localList.GetSelectionMark(), -1); // the English list does not show it
    EXPECT_EQ(m_c->mark.m_text, "=");
    EXPECT_EQ(m_c->ingPane.m_text, m_c->refPane.m_text);
    EXPECT_TRUE(m_messages.m_messages.empty()) << m_messages.m_messages[0];
}

TEST_P(MainDialogTest, HostileInputBreaksNoQuery) {
    OpenWindow();
    const std::string inputs[] = {"'",       "%",    "\\",          "O'Br%_i\\en", "%039",
                                  "\"x\" --", "\xE9", std::string(300, 'a'), "a'); DROP"};
    for (const std::string& text : inputs) {
        for (test::MemoryTextField* field : {&m_c->name, &m_c->code, &m_c->source}) {
            field->SetText(text);
            m_c->timer1.Advance(200);
        }
        FilterLocal(text);
        m_c->supplier.m_strEdit = text;
        m_pDialog->OnSupplierTextEdited();
        EXPECT_TRUE(m_messages.m_messages.empty()) << text << ": " << m_messages.m_messages[0];
    }
    // Apostrophes reach names stored with "%039".
    FilterLocal("d'olive");
    ASSERT_EQ(m_c->localList.GetRowCount(), 1);
    EXPECT_EQ(LocalCell(0, 0), "Huile d'olive vierge extra");
}

TEST_P(MainDialogTest, FirstSearchShowsTheCacheBuildProgress) {
    OpenWindow(); // the window's first, empty, search builds the cache
    ASSERT_FALSE(m_host.m_progress.m_updates.empty());
    const auto [done, total] = m_host.m_progress.m_updates.back();
    EXPECT_EQ(done, static_cast<std::size_t>(m_pApp->ProdCache().GetCount()));
    EXPECT_TRUE(total == 0 || total == done);
    const size_t updates = m_host.m_progress.m_updates.size();
    Search("chocolat");
    EXPECT_EQ(m_host.m_progress.m_updates.size(), updates); // built once per run
}

TEST_P(MainDialogTest, ADatabaseErrorIsShownAndTheWindowStaysOpen) {
    OpenWindow();
    m_pDatabases->Local().Connect()->ExecuteDirect("ALTER TABLE Ingredients RENAME TO Gone");
    FilterLocal("choc");
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_EQ(m_messages.m_messages[0].icon, MessageIcon::Error);
    EXPECT_NE(m_messages.m_messages[0].text.find("Ingredients"), std::string::npos)
        << m_messages.m_messages[0];
    EXPECT_FALSE(m_host.m_bEnded);
    EXPECT_EQ(m_host.m_nBusyDepth, 0);
    // The search still works.
    Search("chocolat");
    EXPECT_EQ(m_c->refList.GetRowCount(), 10);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(MainDialogTest);

} // namespace
} // namespace ovl
