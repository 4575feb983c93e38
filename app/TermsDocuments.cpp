#include "app/TermsDocuments.h"

#include "generated/EmbeddedResources.h"

#include <array>

namespace ovl {

namespace {

// One document per language index, in the order of the language table.
struct TermsDocument {
    const unsigned char* data;
    std::size_t size;
};

const std::array<TermsDocument, 5>& Documents() {
    static const std::array<TermsDocument, 5> documents{{
        {res::terms_fr_rtf, res::terms_fr_rtf_size},
        {res::terms_en_rtf, res::terms_en_rtf_size},
        {res::terms_de_rtf, res::terms_de_rtf_size},
        {res::terms_sp_rtf, res::terms_sp_rtf_size},
        {res::terms_it_rtf, res::terms_it_rtf_size},
    }};
    return documents;
}

} // namespace

std::string TermsRtf(int languageIndex) {
    const auto& documents = Documents();
    const bool known = languageIndex >= 0 && languageIndex < static_cast<int>(documents.size());
    const TermsDocument& doc = documents[known ? static_cast<std::size_t>(languageIndex) : 0];
    return std::string(reinterpret_cast<const char*>(doc.data), doc.size);
}

} // namespace ovl
