#pragma once

#include "app/OvlNutriImportApp.h"
#include "cli/Command.h"
#include "cli/Console.h"
#include "import/ImportContext.h"
#include "import/IngredientValues.h"
#include "platform/IniSettingsStore.h"
#include "platform/RegistryFile.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ovl::cli {

// The start-up of a command: the program's settings, the registry file and the application
// object, with messages on stderr. Commands run it without window or dialogs.
class Session {
public:
    explicit Session(Console& console, bool answerYes = false);

    // Runs the start-up. Returns kExitDone when the databases are open, otherwise the exit
    // code to end with. `terms` decides the terms step; by default it refuses unless the
    // terms were accepted before.
    int Start(const Invocation& invocation, TermsGate* terms = nullptr);

    CovlnutriimportApp& App() { return *m_pApp; }

    // The context of the import engine on the application's connections and caches.
    ImportContext MakeImportContext();
    // False, after saying so on stderr, when the local database has no such ingredient.
    bool RequireIngredient(std::int32_t ingredientId);
    // False, after saying so on stderr, when the central database has no such product.
    bool RequireProduct(std::int32_t productId);
    // The Import command: the import, then the legal-names update when the user agreed to it
    // during the import. Returns the values text after the import.
    IngredientValues ImportProduct(std::int32_t productId, std::int32_t ingredientId);
    // Prints a values text as the right pane holds it.
    void PrintValues(const IngredientValues& values);

    // Runs a command's work after the start-up. A database error ends it with the driver's
    // text on stderr and exit code 1, as the window's error box would show it.
    int Guard(const std::function<int()>& work);
    SettingsStore& Settings() { return m_settings; }
    MessageSink& Messages() { return m_messages; }

private:
    Console& m_console;
    ConsoleMessageSink m_messages;
    IniSettingsStore m_settings;
    RegistryFile m_registry;
    std::unique_ptr<CovlnutriimportApp> m_pApp;
};

} // namespace ovl::cli
