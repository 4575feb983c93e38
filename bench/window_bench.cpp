// Measures the real window under a display server: the time from timer 1 firing to the
// reference list showing its rows and its count, over the five queries of the product
// benchmark, and the start-up to the window shown. Run by scripts/bench.sh under a virtual
// display, on the central database it filled and the demo local database.

#include "BenchSupport.h"

#include "app/AppActions.h"
#include "app/OvlNutriImportApp.h"
#include "gui/MainDialogView.h"
#include "gui/WxMessageSink.h"
#include "platform/IniSettingsStore.h"
#include "platform/RegistryFile.h"
#include "ui/MainDialogLayout.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

using namespace ovl;
namespace ids = ui::main_ids;

namespace {

struct Accept : TermsGate {
    bool AcceptTerms(int) override { return true; }
};

// The window's inputs for one query: the name, code and source texts.
struct Query {
    const char* name;
    const char* code;
    const char* source;
};

} // namespace

int main(int argc, char** argv) try {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        throw std::runtime_error("cannot start the toolkit (is there a display?)");

    gui::WxMessageSink messages;
    IniSettingsStore settings;
    RegistryFile registry;
    AppEnvironment env;
    env.settings = &settings;
    env.registry = &registry;
    env.messages = &messages;

    // Start-up to the window shown: connections, checks, caches of the start, the window's
    // own start (supplier and category lists) and its first paint.
    std::unique_ptr<CovlnutriimportApp> app;
    std::unique_ptr<AppActions> actions;
    gui::MainDialogView* window = nullptr;
    Accept accept;
    const double startup = bench::SecondsOf([&] {
        app = std::make_unique<CovlnutriimportApp>(env);
        if (app->Start({}, accept) != CovlnutriimportApp::StartResult::Ready)
            throw std::runtime_error("the start-up failed");
        actions = std::make_unique<AppActions>(*app);
        window = new gui::MainDialogView(nullptr, *actions);
        window->Show();
        window->InitDialog();
        window->Update();
    });

    // The first search builds the product cache; it is timed apart.
    auto* name = static_cast<wxTextCtrl*>(window->Control(ids::kName));
    auto* code = static_cast<wxTextCtrl*>(window->Control(ids::kCode));
    auto* source = static_cast<wxTextCtrl*>(window->Control(ids::kSource));
    auto* list = static_cast<wxListCtrl*>(window->Control(ids::kRefList));
    window->Logic().m_bStrictSupplierFilter = false;
    name->ChangeValue("xq");
    const double firstBuild = bench::SecondsOf([&] { window->Logic().OnTimer1(); });

    const Query queries[] = {
        {"lai", "", ""}, {"Cho*", "", ""}, {"", "12", ""}, {"", "", "ciq"}, {"choc", "", ""}};
    std::vector<double> millis;
    long rows = 0;
    for (int round = 0; round < 20; ++round)
        for (const Query& query : queries) {
            name->ChangeValue(query.name);
            code->ChangeValue(query.code);
            source->ChangeValue(query.source);
            millis.push_back(bench::SecondsOf([&] {
                                 window->Logic().OnTimer1();
                                 window->Update(); // the rows and the count painted
                             }) *
                             1000.0);
            rows += list->GetItemCount();
        }
    std::sort(millis.begin(), millis.end());

    std::printf("rows shown per round: %ld; first search with the cache build: %.2f s\n\n",
                rows / 20, firstBuild);
    std::printf("| %-44s | %14s | %14s | %-4s |\n", "figure", "measured", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
                std::string(16, '-').c_str(), std::string(6, '-').c_str());
    const double p50 = bench::Percentile(millis, 0.5), p99 = bench::Percentile(millis, 0.99);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", p50);
    bench::PrintRow("timer 1 to rows and count shown, p50 (ms)", buffer, "<= 15", p50 <= 15);
    std::snprintf(buffer, sizeof buffer, "%.1f", p99);
    bench::PrintRow("timer 1 to rows and count shown, p99 (ms)", buffer, "<= 40", p99 <= 40);
    std::snprintf(buffer, sizeof buffer, "%.2f", startup);
    bench::PrintRow("start-up to the window shown (s)", buffer, "<= 1.00", startup <= 1.0);

    window->Destroy();
    wxYield();
    actions.reset();
    app->ShutDown();
    wxEntryCleanup();
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "window_bench: %s\n", e.what());
    return 1;
}
