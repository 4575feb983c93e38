#include "tools/CentralDemoData.h"

#include <cmath>
#include <cstdio>

#include "platform/TextConvert.h"
#include "app/TextCodec.h"

namespace ovl::demo {
namespace {

constexpr int kBatchSize = 500;
constexpr std::int32_t kFlagLessThan = 0x01;
constexpr std::int32_t kFlagTraces = 0x02;
constexpr std::int32_t kFlagDate = 0x08;
constexpr std::int32_t kFlagUndefined = INT32_MIN;
constexpr int kOptionEnergy26 = 0x10;
constexpr int kOptionCertified = 0x20;
constexpr int kGenericSupplier = 1;
constexpr int kGrocerSupplier = 9;
constexpr int kGenericSource = 1;
constexpr int kOtherTypeLabel = 60; // a label of a type the program never loads

constexpr const char* kLanguageSuffix[5] = {"FR", "EN", "DE", "SP", "IT"};

// Name suffixes per language: organic, catering size, small pack.
constexpr Names kQualifiers[3] = {
    {" bio", ", organic", ", Bio", " ecológico", " biologico"},
    {" - format professionnel", " - catering size", " - Großpackung", " - formato hostelería",
     " - formato professionale"},
    {" - portion individuelle", " - single portion", " - Einzelportion", " - ración individual",
     " - monoporzione"},
};

std::string Prepared(const char* pszUtf8) {
    return pszUtf8 ? EncodedDbText(text::Utf8ToCp1252(pszUtf8)) : std::string();
}

double Round(double dValue, int nDecimals) {
    const double dScale = std::pow(10.0, nDecimals);
    return std::round(dValue * dScale) / dScale;
}

DemoDate RandomDate(DemoRandom& rnd, int nFromYear, int nToYear, bool bWithTime) {
    const long nFirst = DemoDate::DayNumberOf(nFromYear, 1, 1);
    const long nLast = DemoDate::DayNumberOf(nToYear, 12, 31);
    const long nDay =
        nFirst + static_cast<long>(rnd.Next() % static_cast<std::uint64_t>(nLast - nFirst + 1));
    const int nSecond = bWithTime ? rnd.Between(6 * 3600, 19 * 3600) : 0;
    return DemoDate::FromDayNumber(nDay, nSecond);
}

const Supplier* FindSupplier(int nId) {
    for (const Supplier& supplier : Suppliers())
        if (supplier.m_nId == nId)
            return &supplier;
    return nullptr;
}

double WeightedShare(const Nutrition& n) {
    return n.m_dFruits + n.m_dVegetables + n.m_dPulses + n.m_dNuts + 2 * n.m_dDried + n.m_dOils;
}

} // namespace

CentralDemoData::CentralDemoData(SqlWriter& writer, int nProducts, std::uint64_t nSeed)
    : m_writer(writer), m_nProducts(nProducts), m_nSeed(nSeed) {
    PrepareTexts();
}

void CentralDemoData::PrepareTexts() {
    const auto foods = FoodTemplates();
    for (std::size_t i = 0; i < foods.size(); ++i) {
        PreparedFood prepared;
        for (int nLang = 0; nLang < 5; ++nLang) {
            prepared.m_names[nLang] = Prepared(foods[i].m_names[nLang]);
            prepared.m_ingredients[nLang] = Prepared(foods[i].m_ingredients[nLang]);
        }
        prepared.m_strAdditiveCodes = Prepared(foods[i].m_pszAdditiveCodes);
        m_foods.push_back(std::move(prepared));
        (foods[i].m_nSupplier == kNull ? m_genericFoods : m_supplierFoods)
            .push_back(static_cast<int>(i));
    }
    for (int q = 0; q < 3; ++q)
        for (int nLang = 0; nLang < 5; ++nLang)
            m_qualifiers[q][nLang] = Prepared(kQualifiers[q][nLang]);
}

void CentralDemoData::Write() {
    m_writer.BeginTransaction();
    WriteStatus();
    WriteSuppliers();
    WriteSources();
    WriteGroups();
    WriteNutrients();
    WriteAllergens();
    WriteLabels();
    WriteErrorReports();
    WriteProducts();
    m_writer.Commit();
}

void CentralDemoData::IntOrNull(int nValue) {
    if (nValue == kNull)
        m_writer.Null();
    else
        m_writer.Int(nValue);
}

void CentralDemoData::WriteStatus() {
    struct Entry {
        int m_nId;
        const char* m_pszName;
        int m_nInt;
        const char* m_pszText;
    };
    char szRelease[16];
    std::snprintf(szRelease, sizeof szRelease, "%d", kDataRelease);
    const Entry entries[] = {
        {0, "ACCES_NUTRIIMPORT", 2, nullptr},
        {1, "ACCES_OVALANE", 2, nullptr},
        {2, "ACCES_WEB", 1, nullptr},
        {4, "ACCES_SYNCHRO", 2, nullptr},
        {5, "VERSION_SCHEMA", kNull, "1.0.0.0"},
        {6, "VERSION_PROGDATA", kNull, "1.2.0.0"},
        {13, "NOM_SERVEUR", kNull, "nutri-central.ovalane.example"},
        {15, "DATARELEASE", kDataRelease, szRelease},
    };
    m_writer.Table("OVLSTATUS", "VARID,VARNAME,VARINTVALUE,VARSTRVALUE");
    for (const Entry& entry : entries) {
        m_writer.Row();
        m_writer.Int(entry.m_nId);
        m_writer.PlainText(entry.m_pszName);
        IntOrNull(entry.m_nInt);
        if (entry.m_pszText)
            m_writer.PlainText(entry.m_pszText);
        else
            m_writer.Null();
    }
}

void CentralDemoData::WriteSuppliers() {
    m_writer.Table("OVLNUTRIPROV", "ID,PROV,OPENBAR,DATEMAJ");
    for (const Supplier& supplier : Suppliers()) {
        m_writer.Row();
        m_writer.Int(supplier.m_nId);
        m_writer.PlainText(supplier.m_pszName);
        IntOrNull(supplier.m_nOpenBar);
        if (supplier.m_pszDate) {
            int y = 0, m = 0, d = 0;
            std::sscanf(supplier.m_pszDate, "%d-%d-%d", &y, &m, &d);
            DemoDate date =
                DemoDate::FromDayNumber(DemoDate::DayNumberOf(y, m, d), 8 * 3600 + 30 * 60);
            m_writer.Date(date);
        } else {
            m_writer.Null();
        }
    }
    m_writer.Table("OVLNUTRIUSRPROV", "IDSERNUM,IDPROV");
    for (const Supplier& supplier : Suppliers()) {
        if (!supplier.m_bSelected)
            continue;
        m_writer.Row();
        m_writer.Int(kAccountId);
        m_writer.Int(supplier.m_nId);
    }
    for (int nProv : {2, 3, 7}) {
        m_writer.Row();
        m_writer.Int(kOtherAccountId);
        m_writer.Int(nProv);
    }
}

void CentralDemoData::WriteSources() {
    m_writer.Table("OVLNUTRISRC", "ID,CITATION,SOURCE");
    for (const Source& source : Sources()) {
        m_writer.Row();
        m_writer.Int(source.m_nId);
        m_writer.PlainText(source.m_pszCitation);
        if (source.m_pszSource)
            m_writer.PlainText(source.m_pszSource);
        else
            m_writer.Null();
    }
}

void CentralDemoData::WriteGroups() {
    m_writer.Table("OVLNUTRIGRP", "ID,CIQID,NAME_FR,NAME_EN,NAME_DE,NAME_SP,NAME_IT");
    for (const Group& group : Groups()) {
        m_writer.Row();
        m_writer.Int(group.m_nId);
        IntOrNull(group.m_nCiqId);
        for (const char* pszName : group.m_names)
            m_writer.PlainText(pszName);
    }
}

void CentralDemoData::WriteNutrients() {
    m_writer.Table("OVLNUTRILIB", "ID,IDOVL,LIBELLE_FR,LIBELLE_EN,LIBELLE_DE,LIBELLE_SP,"
                                  "LIBELLE_IT,UNITE,CATEG,PARAM1");
    for (const Nutrient& nutrient : Nutrients()) {
        m_writer.Row();
        m_writer.Int(nutrient.m_nId);
        m_writer.Int(nutrient.m_nIdOvl);
        for (const char* pszLabel : nutrient.m_labels)
            m_writer.PlainText(pszLabel);
        m_writer.PlainText(nutrient.m_pszUnit);
        IntOrNull(nutrient.m_nCateg);
        if (nutrient.m_dParam1 < 0)
            m_writer.Null();
        else
            m_writer.Real(nutrient.m_dParam1);
    }
}

void CentralDemoData::WriteAllergens() {
    m_writer.Table("OVLNUTRIALRG", "ID,CODE,LIBELLE_FR,LIBELLE_EN,LIBELLE_DE,LIBELLE_SP,"
                                   "LIBELLE_IT,GROUPE,IDOVL,PARENTOVL");
    for (const Allergen& allergen : Allergens()) {
        m_writer.Row();
        m_writer.Int(allergen.m_nId);
        m_writer.PlainText(allergen.m_pszCode);
        for (const char* pszName : allergen.m_names)
            m_writer.PlainText(pszName);
        IntOrNull(allergen.m_nGroup);
        IntOrNull(allergen.m_nClass);
        IntOrNull(allergen.m_nClass == kNull ? kNull : allergen.m_nParentClass);
    }
}

void CentralDemoData::WriteLabels() {
    m_writer.Table("OVLNUTRIMSLIB",
                   "ID,TYPE,LIBELLE_FR,LIBELLE_EN,LIBELLE_DE,LIBELLE_SP,LIBELLE_IT");
    for (const Label& label : CentralLabels()) {
        m_writer.Row();
        m_writer.Int(label.m_nId);
        m_writer.Int(label.m_nType);
        for (const char* pszText : label.m_texts)
            m_writer.PlainText(pszText);
    }
}

void CentralDemoData::WriteErrorReports() {
    if (m_nProducts < 3)
        return;
    m_writer.Table("OVLNUTRISIGERR", "PRODID,USERID,DATESIG,ERREUR");
    m_writer.Row();
    m_writer.Int(3);
    m_writer.Int(kAccountId);
    m_writer.Date(DemoDate::FromDayNumber(DemoDate::DayNumberOf(2025, 2, 10), 14 * 3600 + 32 * 60));
    m_writer.PlainText("Le sel semble faux : 12% au lieu de 1,2% d'après l'étiquette.");
}

void CentralDemoData::WriteProducts() {
    std::vector<Product> batch;
    batch.reserve(kBatchSize);
    for (int nId = 1; nId <= m_nProducts; ++nId) {
        batch.push_back(MakeProduct(nId));
        if (static_cast<int>(batch.size()) == kBatchSize || nId == m_nProducts) {
            WriteProductBatch(batch);
            batch.clear();
        }
    }
}

void CentralDemoData::WriteProductBatch(const std::vector<Product>& products) {
    m_writer.Table("OVLNUTRIPROD", "ID,PROVID,CIQID,GRPID,DATEMAJ,REFFAB,ALRG,ALRGPOSS,SRCID,"
                                   "OPTIONS,COMPOSPCT,ADDITCODEE,REFFICHEPROD,LASTUPDATE,"
                                   "DENOMLEGID,COMPOSID,ADDITCATEGID");
    for (const Product& product : products)
        WriteProductRow(product);
    for (int nLang = 0; nLang < 5; ++nLang)
        WriteLanguageRows(products, nLang);
    m_writer.Table("OVLNUTRICOMP", "ID,NUTID,TENEUR,OPTION_MSK");
    for (const Product& product : products) {
        for (const Content& content : product.m_contents) {
            m_writer.Row();
            m_writer.Int(product.m_nId);
            m_writer.Int(content.m_nNutId);
            m_writer.Real(content.m_dValue);
            m_writer.Int(content.m_nFlags);
        }
    }
    m_writer.Table("OVLNUTRIMSPROD", "IDPROD,IDMS");
    for (const Product& product : products) {
        for (int nMention : product.m_mentions) {
            m_writer.Row();
            m_writer.Int(product.m_nId);
            m_writer.Int(nMention);
        }
    }
}

void CentralDemoData::WriteProductRow(const Product& product) {
    const FoodTemplate& food = *product.m_pFood;
    m_writer.Row();
    m_writer.Int(product.m_nId);
    m_writer.Int(product.m_nProvId);
    IntOrNull(product.m_nCiqId);
    m_writer.Int(food.m_nGroup);
    if (product.m_bDateMaj)
        m_writer.Date(product.m_dateMaj);
    else
        m_writer.Null();
    if (product.m_strRefFab.empty())
        m_writer.Null();
    else
        m_writer.StoredText(product.m_strRefFab);
    WriteMask(product.m_contains);
    WriteMask(product.m_traces);
    IntOrNull(product.m_nSrcId);
    IntOrNull(product.m_nOptions);
    if (product.m_bComposPct)
        m_writer.Real(food.m_fComponentPct);
    else
        m_writer.Null();
    if (product.m_nAdditiveCodes == 0)
        m_writer.Null();
    else
        m_writer.StoredText(product.m_nAdditiveCodes == 1
                                ? m_foods[product.m_nFood].m_strAdditiveCodes
                                : std::string());
    if (product.m_strRefFiche.empty())
        m_writer.Null();
    else
        m_writer.StoredText(product.m_strRefFiche);
    if (product.m_bLastUpdate)
        m_writer.Date(product.m_lastUpdate);
    else
        m_writer.Null();
    IntOrNull(product.m_nDenomination);
    IntOrNull(product.m_nComponent);
    IntOrNull(product.m_nAdditiveCateg);
}

void CentralDemoData::WriteLanguageRows(const std::vector<Product>& products, int nLang) {
    const std::string strTable = std::string("OVLNUTRIPROD_") + kLanguageSuffix[nLang];
    m_writer.Table(strTable, "ID,NAME,INGLIST");
    std::string strName;
    for (const Product& product : products) {
        if (!product.m_hasLanguage[nLang])
            continue;
        const PreparedFood& food = m_foods[product.m_nFood];
        strName = food.m_names[nLang];
        if (product.m_nQualifier > 0)
            strName += m_qualifiers[product.m_nQualifier - 1][nLang];
        m_writer.Row();
        m_writer.Int(product.m_nId);
        m_writer.StoredText(strName);
        if (product.m_bIngListNull || product.m_pFood->m_ingredients[nLang] == nullptr)
            m_writer.Null();
        else
            m_writer.StoredText(food.m_ingredients[nLang]);
    }
}

void CentralDemoData::WriteMask(const Mask& mask) {
    if (mask.m_bNull)
        m_writer.Null();
    else
        m_writer.Bytes(mask.m_bytes.data(), mask.m_nLength);
}

CentralDemoData::Product CentralDemoData::MakeProduct(int nId) const {
    DemoRandom rnd(m_nSeed, 1, static_cast<std::uint64_t>(nId));
    Product product;
    product.m_nId = nId;
    const bool bGeneric = rnd.Percent(15);
    const auto& pool = bGeneric ? m_genericFoods : m_supplierFoods;
    product.m_nFood = pool[static_cast<std::size_t>(rnd.Below(static_cast<int>(pool.size())))];
    product.m_pFood = &FoodTemplates()[static_cast<std::size_t>(product.m_nFood)];
    const FoodTemplate& food = *product.m_pFood;

    char szText[48];
    if (bGeneric) {
        product.m_nProvId = kGenericSupplier;
        product.m_nCiqId = 10000 + product.m_nFood * 131 + rnd.Below(100);
        product.m_nSrcId = kGenericSource;
        std::snprintf(szText, sizeof szText, "%d", product.m_nCiqId);
        product.m_strRefFab = szText;
        product.m_nOptions = rnd.Percent(50) ? kNull : 0;
    } else {
        product.m_nProvId = rnd.Percent(25) ? kGrocerSupplier : food.m_nSupplier;
        product.m_nQualifier = rnd.Percent(55) ? 0 : rnd.Between(1, 3);
        const int nSource = rnd.Below(100);
        product.m_nSrcId = nSource < 75   ? kNull
                           : nSource < 85 ? 2
                           : nSource < 90 ? 3
                           : nSource < 95 ? 5
                                          : 4;
        if (!rnd.Percent(4)) {
            const Supplier* pSupplier = FindSupplier(product.m_nProvId);
            std::snprintf(szText, sizeof szText, "%s%05d", pSupplier ? pSupplier->m_pszPrefix : "",
                          rnd.Between(1, 99999));
            product.m_strRefFab = EncodedDbText(szText);
        }
        int nOptions = food.m_nOptions;
        if (rnd.Percent(20))
            nOptions |= kOptionEnergy26;
        if (rnd.Percent(10))
            nOptions |= kOptionCertified;
        product.m_nOptions = nOptions == 0 && rnd.Percent(30) ? kNull : nOptions;
        MakeLabelling(product, rnd);
        MakeMasks(product, rnd);
    }
    product.m_bDateMaj = !rnd.Percent(8);
    product.m_dateMaj = RandomDate(rnd, 2019, 2024, rnd.Percent(30));
    product.m_bLastUpdate = !rnd.Percent(5);
    product.m_lastUpdate = DemoDate::FromDayNumber(
        product.m_dateMaj.DayNumber() + rnd.Between(0, 300), rnd.Between(0, 86399));
    if (rnd.Percent(50)) {
        std::snprintf(szText, sizeof szText, "FT-%d-%05d", product.m_lastUpdate.m_nYear,
                      rnd.Between(1, 99999));
        product.m_strRefFiche = szText;
    }
    // Companion rows: a few products miss one or more languages.
    product.m_hasLanguage = {true, true, true, true, true};
    const int nMissing = rnd.Below(100);
    if (nMissing < 4)
        product.m_hasLanguage[4] = false;
    else if (nMissing < 7)
        product.m_hasLanguage[2] = product.m_hasLanguage[3] = false;
    else if (nMissing < 8)
        product.m_hasLanguage[0] = false;
    product.m_bIngListNull = rnd.Percent(3);
    MakeContents(product, rnd);
    return product;
}

void CentralDemoData::MakeLabelling(Product& product, DemoRandom& rnd) const {
    const FoodTemplate& food = *product.m_pFood;
    product.m_nDenomination = food.m_nDenomination;
    product.m_nComponent = food.m_nComponent;
    product.m_bComposPct = food.m_nComponent != kNull && !rnd.Percent(8);
    product.m_nAdditiveCateg = food.m_nAdditiveCateg;
    if (food.m_pszAdditiveCodes) {
        const int nCase = rnd.Below(100);
        if (nCase < 15) {
            product.m_nAdditiveCodes = 0; // category only
        } else if (nCase < 20) {
            product.m_nAdditiveCodes = 1; // codes only
            product.m_nAdditiveCateg = kNull;
        } else {
            product.m_nAdditiveCodes = nCase < 26 ? 2 : 1;
        }
    }
    for (int nMention : food.m_mentions)
        if (nMention != 0)
            product.m_mentions.push_back(nMention);
    if (rnd.Percent(1))
        product.m_mentions.push_back(kOtherTypeLabel);
}

void CentralDemoData::MakeMasks(Product& product, DemoRandom& rnd) const {
    const FoodTemplate& food = *product.m_pFood;
    const int nCase = rnd.Below(100);
    if (nCase < 6)
        return; // both NULL: allergens not communicated
    std::uint64_t nTraces = rnd.Percent(10) ? 0 : food.m_nTraces;
    MakeMask(product.m_traces, nTraces, rnd);
    if (nCase < 8)
        return; // contains NULL, traces set: both read as empty
    MakeMask(product.m_contains, food.m_nContains, rnd);
}

// Eight bytes, least significant first; some masks are stored shorter (3 bytes) when their
// bits allow it, a few longer (12 bytes, the tail ignored by readers).
void CentralDemoData::MakeMask(Mask& mask, std::uint64_t nBits, DemoRandom& rnd) {
    mask.m_bNull = false;
    for (std::size_t i = 0; i < 8; ++i)
        mask.m_bytes[i] = static_cast<std::uint8_t>(nBits >> (8 * i));
    mask.m_nLength = 8;
    const int nCase = rnd.Below(100);
    if (nBits < (std::uint64_t{1} << 24) && nCase < 35) {
        mask.m_nLength = 3;
    } else if (nCase >= 98) {
        for (std::size_t i = 8; i < 12; ++i)
            mask.m_bytes[i] = 0xFF;
        mask.m_nLength = 12;
    }
}

void CentralDemoData::MakeContents(Product& product, DemoRandom& rnd) const {
    if (rnd.Percent(2))
        return; // a product without any content row
    const FoodTemplate& food = *product.m_pFood;
    const Nutrition& n = food.m_nutrition;
    const bool bSupplier = food.m_nSupplier != kNull;
    const double dFactor = 0.9 + 0.2 * rnd.Unit();
    const double dKcal = Round(n.m_dKcal * dFactor, 0);
    const bool bDairy = food.m_nGroup == 1;

    for (const Nutrient& nutrient : Nutrients()) {
        double dValue = 0;
        std::int32_t nFlags = 0;
        double dLimit = 0; // below it, the value is written as "less than" the limit
        switch (nutrient.m_role) {
        case Nutr::KJ:
            dValue = Round(dKcal * 4.184, 0);
            break;
        case Nutr::Kcal:
            dValue = dKcal;
            break;
        case Nutr::Fat:
            dValue = Round(n.m_dFat * dFactor, 1);
            dLimit = 0.5;
            break;
        case Nutr::Saturates:
            dValue = Round(n.m_dSaturates * dFactor, 1);
            dLimit = 0.1;
            break;
        case Nutr::Carbs:
            dValue = Round(n.m_dCarbs * dFactor, 1);
            dLimit = 0.5;
            break;
        case Nutr::Sugars:
            dValue = Round(n.m_dSugars * dFactor, 1);
            dLimit = 0.5;
            break;
        case Nutr::Protein:
            dValue = Round(n.m_dProtein * dFactor, 1);
            dLimit = 0.5;
            break;
        case Nutr::Salt:
            dValue = Round(n.m_dSalt * dFactor, 2);
            dLimit = 0.01;
            break;
        case Nutr::Fibre:
            dValue = Round(n.m_dFibre * dFactor, 1);
            dLimit = 0.5;
            break;
        case Nutr::Water:
            if (rnd.Percent(20))
                continue;
            dValue = Round(n.m_dWater, 1);
            break;
        case Nutr::CalcEnergy:
            if (product.m_nOptions == kNull || !(product.m_nOptions & kOptionEnergy26) ||
                rnd.Percent(50))
                continue;
            dValue = dKcal;
            break;
        case Nutr::Mono:
        case Nutr::Poly:
            if (rnd.Percent(30))
                continue;
            dValue = Round(n.m_dFat * dFactor * (nutrient.m_role == Nutr::Mono ? 0.45 : 0.15), 1);
            break;
        case Nutr::Sodium:
            if (rnd.Percent(30))
                continue;
            dValue = Round(n.m_dSalt * dFactor * 400, 0);
            break;
        case Nutr::Calcium:
            if (rnd.Percent(30))
                continue;
            dValue = bDairy ? rnd.Between(100, 900) : rnd.Between(2, 60);
            break;
        case Nutr::Cholesterol:
            if (rnd.Percent(40))
                continue;
            dValue = bDairy || food.m_nGroup == 5 ? rnd.Between(20, 250) : 0;
            if (dValue == 0)
                nFlags = kFlagTraces;
            break;
        case Nutr::Iron:
        case Nutr::VitC:
        case Nutr::Minor:
            if (!rnd.Percent(nutrient.m_role == Nutr::Minor ? 35 : 55))
                continue;
            dValue = Round(rnd.Unit() * (nutrient.m_pszUnit[0] == 'm' ? 10 : 5), 2);
            if (rnd.Percent(10)) {
                dValue = 0;
                nFlags = kFlagTraces;
            } else if (rnd.Percent(4)) {
                dValue = 0;
                nFlags = kFlagUndefined;
            }
            break;
        case Nutr::Weighted:
            if (WeightedShare(n) == 0 || !rnd.Percent(15))
                continue;
            dValue = Round(WeightedShare(n), 1);
            break;
        case Nutr::SheetDate:
            if (!bSupplier || rnd.Percent(50))
                continue;
            dValue = RandomDate(rnd, 2018, 2025, false).AutomationDate();
            nFlags = kFlagDate;
            break;
        case Nutr::Fruits:
            dValue = n.m_dFruits;
            break;
        case Nutr::Vegetables:
            dValue = n.m_dVegetables;
            break;
        case Nutr::Pulses:
            dValue = n.m_dPulses;
            break;
        case Nutr::Nuts:
            dValue = n.m_dNuts;
            break;
        case Nutr::Dried:
            dValue = n.m_dDried;
            break;
        case Nutr::Oils:
            dValue = n.m_dOils;
            break;
        case Nutr::Waste:
            if (!rnd.Percent(5))
                continue;
            dValue = rnd.Between(2, 30);
            break;
        case Nutr::Alcohol:
            if (!rnd.Percent(3))
                continue;
            dValue = 0.1;
            nFlags = kFlagLessThan;
            break;
        case Nutr::None:
        case Nutr::Date:
            continue;
        }
        switch (nutrient.m_role) {
        case Nutr::Fruits:
        case Nutr::Vegetables:
        case Nutr::Pulses:
        case Nutr::Nuts:
        case Nutr::Dried:
        case Nutr::Oils:
            if (dValue == 0)
                continue; // only the shares the food has
            break;
        default:
            break;
        }
        if (dLimit > 0 && dValue < dLimit && (bSupplier || dValue > 0)) {
            dValue = dLimit;
            nFlags = kFlagLessThan;
        }
        product.m_contents.push_back({nutrient.m_nId, dValue, nFlags});
    }
}

} // namespace ovl::demo
