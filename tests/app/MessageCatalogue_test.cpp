#include "app/MessageCatalogue.h"

#include "platform/TextConvert.h"
#include "app/Language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace ovl {
namespace {

TEST(MessageCatalogue, HoldsTheSameEightyFiveIdsInEveryLanguage) {
    const std::vector<int> ids = MessageCatalogue::Instance().Ids();
    std::set<int> frenchIds;
    for (int id = 2000; id <= 2086; ++id) {
        if (id != 2016 && id != 2017)
            frenchIds.insert(id);
    }
    ASSERT_EQ(frenchIds.size(), 85u);
    for (int language = 0; language < kLanguageCount; ++language) {
        const int offset = LanguageOffsetOf(language);
        std::set<int> held;
        for (const int id : ids) {
            if (id >= 2000 + offset && id < 3000 + offset)
                held.insert(id - offset);
        }
        EXPECT_EQ(held, frenchIds) << "language " << language;
    }
    // The two registry texts are the only others.
    EXPECT_EQ(ids.size(), 85u * kLanguageCount + 2);
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), 1000));
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), 1001));
}

TEST(MessageCatalogue, NoTextIsEmpty) {
    for (const int id : MessageCatalogue::Instance().Ids())
        EXPECT_NE(CatalogueText(id), "") << "id " << id;
}

TEST(MessageCatalogue, TextsAreExactInEveryLanguage) {
    const struct {
        int id;
        const char* utf8;
    } cases[] = {
        // French
        {2000, "Ovalane - Importation des valeurs nutritionnelles"},
        {2001, "Banque de données des ingrédients"},
        {2020, "Code :"},
        {2021, "%d produit trouvé."},
        {2026, "&À propos de ovlnutriimport..."},
        {2028, "Etat :"},
        {2040, "Connecté."},
        {2048, "La base de données est en maintenance, l'application va se terminer"},
        {2057, "Votre base de données doit être mise à jour, vous devez fermez et relancer votre "
               "logiciel Ovalane !"},
        {2058, "Certaines données sont obsolètes, vous devez :\n1 - Fermer et relancer Ovalane.\n2 "
               "- Fermer et relancer ovlnutriimport."},
        {2063, "%s (%s réf : %s)"},
        {2064, "Erreur déjà signalée le %d/%m/%Y :\r\n\r\n"},
        {2076, "Composition : %s : %G %%\r\n"},
        {2081, "Mentions spécifiques : "},
        {2083, "Pas d'allergènes"},
        // English
        {3000, "Ovalane - Nutritional values import"},
        {3020, "Code"},
        {3021, "found product %d"},
        {3026, "&About ovlnutriImport..."},
        {3046, "I commit to choosing my own suppliers."},
        {3063, "%s (%s ref : %s)"},
        {3068, "Contain: Information not communicated\r\n"},
        {3085, "Contain: %s\r\n\r\nMay contain traces of: %s"},
        // German
        {4000, "Ovalane - Import der Nährwerte"},
        {4004, "Hauptgruppe"},
        {4026, "&Information über ovlnutriImport..."},
        {4028, "Statut"},
        {4044, "noch mal zeigen"},
        {4049, "Möchten Sie die Anwendung wirklich verlassen?"},
        {4053, "Die gesetzlichen Verkaufsbezeichnungen wurden aktualisiert. Sie müssen die "
               "Software Ovalane schließen und neu starten."},
        {4058, "Einige Daten sind veraltet. Sie müssen Folgendes tun:\n1 - Ovalane schließen und "
               "neu starten.\n2 - ovlnutriimport schließen und neu starten."},
        {4063, "%s (%s ref: %s)"},
        {4070, "Enthält: %s\r\n"},
        {4081, "Spezifische Angaben: "},
        // Spanish
        {5006, "Búsqueda por el nombre o el código interno"},
        {5030, "Lista de proveedores autorizados "},
        {5035, "Condiciones de utilización"},
        {5047, "¡No conectado!"},
        {5049, "¿De verdad quieres salir de la aplicación?"},
        {5050, "Las denominaciones legales de venta deben actualizarse, ¿desea hacerlo ahora?"},
        {5058, "Algunos datos están obsoletos, debe: \n1 - Cerrar y reiniciar Ovalane. \n2 - "
               "Cerrar y reiniciar ovlnutriimport."},
        {5072, "Denominación de venta legal: %s\r\n"},
        {5083, "Sin alérgenos"},
        {5086, "Alérgenos"},
        // Italian
        {6005, "Valori nutrizionali per l'importazione"},
        {6023, "\nR\nE\nS\nE\nT"},
        {6048, "Il database è in aggiornamento, l'applicazione verrà chiusa."},
        {6063, "%s (%s rif: %s)"},
        {6064, "Errore già segnalato il %d/%m/%Y :\r\n\r\n"},
        {6069, "Può contenere tracce di: Informazioni non comunicate\r\n"},
        {6072, "Denominazione di vendita  legale: %s\r\n"},
        {6073, "Denominazione di vendita  legale: Informazioni non comunicate\r\n"},
        {6076, "Composizione: %s : %G %%\r\n"},
        {6082, "Nessuna\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueText(c.id), text::Utf8ToCp1252(c.utf8)) << "id " << c.id;
}

TEST(MessageCatalogue, TextsAreCodePage1252Bytes) {
    const struct {
        int id;
        const char* bytes;
    } cases[] = {
        {2004, "Cat\xE9gorie"},
        {2065, "Cr\xE9"
               "er un ingr\xE9"
               "dient"},
        {4009, "L\xF6schen"},
        {4067, "Keine Informationen verf\xFC"
               "gbar"},
        {5047, "\xA1No conectado!"},
        {5059, "Autom\xE1tico"},
        {6085, "Contiene: %s\r\n\r\nPu\xF2 contenere tracce di: %s"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueText(c.id), c.bytes) << "id " << c.id;
}

} // namespace
} // namespace ovl
