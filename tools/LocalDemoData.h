#pragma once

#include "tools/SqlWriter.h"

namespace ovl::demo {

// Writes the rows of the local demo database: settings, nutrient labels, the class tree,
// pre-packaging labels and a few ingredients, some of them already holding values.
class LocalDemoData {
public:
    explicit LocalDemoData(SqlWriter& writer) : m_writer(writer) {}
    void Write();

private:
    void WriteSettings();
    void WriteNutrientLabels();
    void WriteClasses();
    void WriteLabels();
    void WriteIngredients();
    void WriteIngredientValues();
    void WriteIngredientClasses();
    void WriteIngredientMentions();
    void IntOrNull(int nValue);

    SqlWriter& m_writer;
};

} // namespace ovl::demo
