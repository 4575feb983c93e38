#include "ui/MainDialogLayout.h"

namespace ovl::ui {

const TemplateControl* DialogTemplate::Find(int id) const {
    for (const TemplateControl& control : controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

const DialogTemplate& MainDialogTemplate() {
    using K = ControlKind;
    static const DialogTemplate kTemplate{
        763,
        427,
        {
            {1004, K::EditableCombo, {57, 20, 215, 106}},
            {1010, K::Edit, {57, 36, 287, 14}},
            {1005, K::Edit, {57, 53, 287, 14}},
            {1006, K::Edit, {57, 69, 287, 14}},
            {1007, K::ListCombo, {57, 85, 287, 106}},
            {1040, K::Button, {280, 20, 64, 14}, 2027},
            {1034, K::MultiLineButton, {354, 20, 15, 79}, 2023},
            {1012, K::ListView, {7, 117, 489, 121}},
            {1030, K::Edit, {521, 51, 235, 14}},
            {1000, K::ListView, {521, 117, 235, 121}},
            {1001, K::Button, {581, 406, 50, 14}, 2008, {}, true},
            {1002, K::Button, {663, 406, 50, 14}, 2009, {}, true},
            {1019, K::Label, {521, 7, 235, 8}, 2002},
            {1018, K::Label, {7, 7, 223, 8}, 2001},
            {1028, K::Label, {522, 243, 234, 8}, 2007},
            {1027, K::Label, {9, 243, 293, 8}, 2005},
            {1029, K::Label, {521, 41, 235, 8}, 2006},
            {1033, K::Separator, {508, 7, 1, 393}},
            {1041, K::Label, {7, 412, 44, 8}, 2028},
            {1003, K::SunkenLabel, {53, 408, 308, 12}},
            {1008, K::Label, {7, 22, 49, 8}, 2024},
            {1009, K::Label, {7, 56, 49, 8}, 2015},
            {1035, K::Label, {7, 72, 49, 8}, 2020},
            {1036, K::Label, {7, 88, 49, 8}, 2004},
            {1023, K::Label, {7, 105, 104, 8}},
            {1037, K::HiddenEdit, {437, 98, 40, 14}},
            {1024, K::Label, {521, 105, 104, 8}},
            {1011, K::Label, {7, 39, 49, 8}, 2054},
            {1014, K::Pane, {7, 254, 489, 146}},
            {1015, K::Pane, {521, 254, 235, 146}},
            {1048, K::Button, {480, 242, 16, 12}, 0, "!", true},
            {1052, K::Button, {635, 102, 121, 14}, 2065, {}, true},
            {1013, K::CentredSunkenLabel, {501, 408, 17, 12}},
            {main_ids::kMenuButton, K::Button, {480, 5, 16, 12}, 0, "\x85"},
        },
    };
    return kTemplate;
}

const DialogTemplate& CreateIngredientTemplate() {
    using K = ControlKind;
    static const DialogTemplate kTemplate{
        309,
        186,
        {
            {1, K::DefaultButton, {65, 165, 50, 14}, 0, "OK", true},
            {2, K::Button, {193, 165, 50, 14}, 0, "Annuler"},
            {1061, K::Label, {7, 9, 86, 8}, 0, "Produit de r\xE9" "f\xE9rence :"},
            {1064, K::Label, {7, 57, 295, 8}, 0, "Ingr\xE9" "dient Ovalane \xE0 cr\xE9" "er :"},
            {1062, K::Label, {22, 25, 70, 8}, 0, "Fournisseur :"},
            {1063, K::Label, {22, 41, 69, 8}, 0, "Code :"},
            {1065, K::Label, {22, 73, 70, 8}, 0, "Nom FR :"},
            {1066, K::Label, {22, 89, 70, 8}, 0, "Nom EN :"},
            {1067, K::Label, {22, 105, 70, 8}, 0, "Nom DE :"},
            {1068, K::Label, {22, 121, 70, 8}, 0, "Nom SP :"},
            {1069, K::Label, {22, 137, 70, 8}, 0, "Nom IT :"},
            {1053, K::ReadOnlyEdit, {95, 7, 207, 14}},
            {1054, K::ReadOnlyEdit, {95, 23, 137, 14}},
            {1055, K::ReadOnlyEdit, {95, 39, 137, 14}},
            {1056, K::Edit, {95, 71, 207, 14}},
            {1057, K::Edit, {95, 87, 207, 14}},
            // The tab order visits the Spanish field before the German one above it.
            {1058, K::Edit, {95, 119, 207, 14}},
            {1059, K::Edit, {95, 103, 207, 14}},
            {1060, K::Edit, {95, 135, 207, 14}},
        },
    };
    return kTemplate;
}

const DialogTemplate& TermsTemplate() {
    using K = ControlKind;
    static const DialogTemplate kTemplate{
        345,
        215,
        {
            {1038, K::TextPane, {7, 7, 331, 142}},
            {1040, K::CheckBox, {22, 158, 316, 10}, 2046},
            {1039, K::CheckBox, {22, 175, 316, 10}, 2036},
            {1, K::Button, {85, 194, 50, 14}, 2037, {}, true},
            {2, K::DefaultButton, {209, 194, 50, 14}, 2038},
        },
    };
    return kTemplate;
}

const DialogTemplate& AboutTemplate() {
    using K = ControlKind;
    static const DialogTemplate kTemplate{
        207,
        103,
        {
            {128, K::Icon, {14, 14, 20, 20}},
            {1020, K::Label, {42, 14, 157, 8}},
            {1022, K::Label, {42, 28, 157, 8}},
            {1045, K::Label, {42, 71, 103, 8}},
            {1046, K::Label, {42, 85, 103, 8}},
            {1, K::DefaultButton, {150, 82, 50, 14}, 0, "OK"},
        },
    };
    return kTemplate;
}

const DialogTemplate& SupplierListTemplate() {
    using K = ControlKind;
    namespace ids = supplier_ids;
    static const DialogTemplate kTemplate{
        373,
        370,
        {
            {1, K::DefaultButton, {188, 344, 50, 14}, 2033, {}, true},
            {2, K::Button, {286, 344, 50, 14}, 2034},
            {ids::kList, K::ListView, {7, 22, 359, 309}},
            {ids::kCaption, K::Label, {7, 8, 181, 8}, 2030},
            {ids::kFilter, K::Edit, {270, 7, 96, 14}},
            {ids::kFilterCaption, K::RightLabel, {203, 8, 61, 8}, 2051},
            {ids::kStrict, K::MultiLineCheckBox, {7, 342, 160, 21}, 2052},
        },
    };
    return kTemplate;
}

const DialogTemplate& ErrorReportTemplate() {
    using K = ControlKind;
    namespace ids = supplier_ids;
    static const DialogTemplate kTemplate{
        309,
        176,
        {
            {1, K::DefaultButton, {65, 155, 50, 14}, 2033, {}, true},
            {2, K::Button, {194, 155, 50, 14}, 2034},
            {ids::kReportCaption, K::Label, {7, 7, 295, 8}, 2062},
            {ids::kProduct, K::ReadOnlyEdit, {27, 22, 275, 14}},
            {ids::kReport, K::MultiLineEdit, {27, 46, 275, 92}},
        },
    };
    return kTemplate;
}

} // namespace ovl::ui
