#include "central/OvlNutriAlrgSet.h"
#include "central/OvlNutriCompSet.h"
#include "central/OvlNutriGrpSet.h"
#include "central/OvlNutriLibSet.h"
#include "central/OvlNutriMSProdSet.h"
#include "central/OvlNutriMsLibSet.h"
#include "central/OvlNutriProdInglistsSet.h"
#include "central/OvlNutriProdNamesSet.h"
#include "central/OvlNutriProvSet.h"
#include "central/OvlNutriSigErrSet.h"
#include "central/OvlNutriSrcSet.h"
#include "central/OvlNutriUsrProvSet.h"
#include "tests/central/CentralDatabaseTest.h"

namespace ovl {
namespace {

using db::DateTime;
using db::OpenType;
using test::CentralDatabaseTest;

class CentralRecordClassesTest : public CentralDatabaseTest {};

// Every class opens with the filter and order its readers use, against the real schema.
TEST_P(CentralRecordClassesTest, ReadersSelectTheirRows) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 0, 0, 0);\n"
        "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 5, 2.5, 1);\n"
        "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 6, 3.5, 2);\n"
        "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (2, 5, 9, 0);\n"
        "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_IT, UNITE, CATEG, PARAM1)"
        " VALUES (5, 10, 'Sucres', 'Zuccheri', 'g', 4, 0.5);\n"
        "INSERT INTO OVLNUTRILIB (ID, IDOVL) VALUES (6, -1);\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR) VALUES (3, 2, 'Autre');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR) VALUES (2, 7, 'Mention');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR) VALUES (1, 7, 'Mention 1');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR) VALUES (9, 0, 'D\xE9nomination');\n"
        "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 2);\n"
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (1, 'Ciqual', NULL);\n"
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (2, 'Autre', 'x');\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR, DATEMAJ)"
        " VALUES (4, 'Fournisseur', 254, '2022-03-04 05:06:07');\n");

    COvlNutriCompSet comp(&Connection());
    comp.m_strFilter = "([ID]=1) AND ([NUTID]=0)";
    comp.Open();
    ASSERT_FALSE(comp.IsEOF());
    comp.m_strFilter = "([ID]=1) AND ([NUTID] IN (5,6))";
    comp.Requery();
    std::vector<double> contents;
    for (; !comp.IsEOF(); comp.MoveNext())
        contents.push_back(comp.m_TENEUR);
    EXPECT_EQ(contents.size(), 2u);

    COvlNutriLibSet lib(&Connection());
    lib.m_strFilter = "[IDOVL]<>-1";
    lib.Open();
    ASSERT_FALSE(lib.IsEOF());
    EXPECT_EQ(lib.m_IDOVL, 10);
    EXPECT_EQ(lib.m_LIBELLE_IT.Value(), "Zuccheri");
    EXPECT_EQ(lib.m_UNITE.Value(), "g");
    EXPECT_EQ(lib.m_CATEG, 4);
    EXPECT_DOUBLE_EQ(lib.m_PARAM1, 0.5);
    lib.MoveNext();
    EXPECT_TRUE(lib.IsEOF());

    COvlNutriMsLibSet msLib(&Connection());
    msLib.m_strFilter = "[TYPE] IN (0, 1, 6, 7, 8)";
    msLib.m_strSort = "[TYPE] ASC, [ID] ASC";
    msLib.Open();
    std::vector<int> ids;
    for (; !msLib.IsEOF(); msLib.MoveNext())
        ids.push_back(msLib.m_ID);
    EXPECT_EQ(ids, (std::vector<int>{9, 1, 2}));

    COvlNutriMSProdSet msProd(&Connection());
    msProd.m_strFilter = "[IDPROD]=1";
    msProd.Open();
    ASSERT_FALSE(msProd.IsEOF());
    EXPECT_EQ(msProd.m_IDMS, 2);

    COvlNutriSrcSet src(&Connection());
    src.m_strFilter = "[SOURCE] IS NULL";
    src.Open();
    ASSERT_FALSE(src.IsEOF());
    EXPECT_EQ(src.m_CITATION.Value(), "Ciqual");
    src.MoveNext();
    EXPECT_TRUE(src.IsEOF());

    COvlNutriProvSet prov(&Connection());
    prov.Open();
    ASSERT_FALSE(prov.IsEOF());
    EXPECT_EQ(prov.m_PROV.Value(), "Fournisseur");
    EXPECT_EQ(prov.m_OPENBAR, 254);
    EXPECT_EQ(prov.m_DATEMAJ.Value(), (DateTime{2022, 3, 4, 5, 6, 7}));
}

TEST_P(CentralRecordClassesTest, LanguageColumnsFollowTheIndex) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_SP, GROUPE, IDOVL, PARENTOVL)"
        " VALUES (7, 'GLU', 'Gluten', 'Gluten SP', 27, 120, 26);\n"
        "INSERT INTO OVLNUTRIGRP (ID, CIQID, NAME_FR, NAME_SP) VALUES (1, 5, 'B fr', 'Z sp');\n"
        "INSERT INTO OVLNUTRIGRP (ID, CIQID, NAME_FR, NAME_SP) VALUES (2, 5, 'A fr', 'Y sp');\n"
        "INSERT INTO OVLNUTRIGRP (ID, CIQID, NAME_FR, NAME_SP) VALUES (3, 5, 'C fr', 'X sp');\n");
    struct Case {
        int language;
        const char* allergen;
        std::vector<int> groupOrder;
    } const cases[] = {
        {0, "Gluten", {2, 1, 3}},
        {3, "Gluten SP", {3, 2, 1}},
        {7, "Gluten", {2, 1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language index " << c.language);
        COvlNutriAlrgSet alrg(&Connection(), c.language);
        alrg.Open();
        ASSERT_FALSE(alrg.IsEOF());
        EXPECT_EQ(alrg.m_ID, 7);
        EXPECT_EQ(alrg.m_CODE.Value(), "GLU");
        EXPECT_EQ(alrg.m_LIBELLE.Value(), c.allergen);
        EXPECT_EQ(alrg.m_GROUPE, 27);
        EXPECT_EQ(alrg.m_IDOVL, 120);
        EXPECT_EQ(alrg.m_PARENTOVL, 26);

        COvlNutriGrpSet grp(&Connection(), c.language);
        grp.m_strSort = grp.NameColumn();
        grp.Open();
        std::vector<int> order;
        for (; !grp.IsEOF(); grp.MoveNext())
            order.push_back(grp.m_ID);
        EXPECT_EQ(order, c.groupOrder);
    }
}

TEST_P(CentralRecordClassesTest, AllLanguageViewsReadOneProduct) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRIPROV (ID, PROV) VALUES (4, 'Fournisseur');\n"
        "INSERT INTO OVLNUTRIPROD (ID, PROVID, REFFAB) VALUES (8, 4, 'R8');\n"
        "INSERT INTO OVLNUTRIPROD_FR (ID, NAME, INGLIST) VALUES (8, 'Pain', 'Farine');\n"
        "INSERT INTO OVLNUTRIPROD_IT (ID, NAME, INGLIST) VALUES (8, 'Pane', 'Farina');\n");

    COvlNutriProdNamesSet names(&Connection());
    EXPECT_EQ(names.m_ID, -1);
    names.m_strFilter = "ID=8";
    names.Open();
    ASSERT_FALSE(names.IsEOF());
    EXPECT_EQ(names.m_PROV.Value(), "Fournisseur");
    EXPECT_EQ(names.m_REFFAB.Value(), "R8");
    EXPECT_EQ(names.m_FR.Value(), "Pain");
    EXPECT_EQ(names.m_IT.Value(), "Pane");
    EXPECT_TRUE(names.IsFieldNull(names.m_EN));

    COvlNutriProdInglistsSet lists(&Connection());
    lists.m_strFilter = "ID=8";
    lists.Open();
    ASSERT_FALSE(lists.IsEOF());
    EXPECT_EQ(lists.m_ILFR.Value(), "Farine");
    EXPECT_EQ(lists.m_ILIT.Value(), "Farina");
    EXPECT_TRUE(lists.IsFieldNull(lists.m_ILDE));
}

TEST_P(CentralRecordClassesTest, SupplierSelectionIsWrittenByKey) {
    COvlNutriUsrProvSet writer(&Connection());
    writer.Open(OpenType::Dynaset);
    for (int prov : {3, 4}) {
        writer.AddNew();
        writer.m_IDSERNUM = 77;
        writer.m_IDPROV = prov;
        EXPECT_TRUE(writer.Update());
    }
    writer.AddNew();
    writer.m_IDSERNUM = 78;
    writer.m_IDPROV = 3;
    writer.Update();

    COvlNutriUsrProvSet reader(&Connection());
    reader.m_strFilter = "[IDSERNUM]=77";
    reader.Open(OpenType::Dynaset);
    ASSERT_FALSE(reader.IsEOF());
    reader.Delete(); // only this installation's first supplier goes
    reader.Requery();
    std::vector<int> left;
    for (; !reader.IsEOF(); reader.MoveNext())
        left.push_back(reader.m_IDPROV);
    EXPECT_EQ(left.size(), 1u);

    reader.m_strFilter = "[IDSERNUM]=78";
    reader.Requery();
    EXPECT_FALSE(reader.IsEOF());
}

TEST_P(CentralRecordClassesTest, ErrorReportsAreKeyedByProductUserAndDate) {
    const DateTime first{2024, 5, 6, 7, 8, 9};
    const DateTime second{2024, 5, 6, 7, 8, 10};
    COvlNutriSigErrSet writer(&Connection());
    EXPECT_EQ(writer.m_PRODID, -1);
    EXPECT_EQ(writer.m_USERID, -1);
    writer.Open(OpenType::Dynaset);
    for (const DateTime& when : {first, second}) {
        writer.AddNew();
        writer.m_PRODID = 12;
        writer.m_USERID = 77;
        writer.m_DATESIG = when;
        writer.m_ERREUR = "Valeur fausse %039";
        EXPECT_TRUE(writer.Update());
    }

    COvlNutriSigErrSet reader(&Connection());
    reader.m_strFilter = "([PRODID]=12) AND ([USERID]=77)";
    reader.m_strSort = "[DATESIG]";
    reader.Open(OpenType::Dynaset);
    ASSERT_FALSE(reader.IsEOF());
    reader.Edit();
    reader.m_ERREUR = "Corrig\xE9";
    EXPECT_TRUE(reader.Update());
    reader.Requery();
    ASSERT_FALSE(reader.IsEOF());
    EXPECT_EQ(reader.m_DATESIG.Value(), first);
    EXPECT_EQ(reader.m_ERREUR.Value(), "Corrig\xE9");
    reader.MoveNext();
    ASSERT_FALSE(reader.IsEOF());
    EXPECT_EQ(reader.m_ERREUR.Value(), "Valeur fausse %039");
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(CentralRecordClassesTest);

} // namespace
} // namespace ovl
