#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

struct ALRGCACHE {
    std::int32_t m_nID = 0;         // allergen identifier, its bit in the masks
    std::int32_t m_nIDOVL = -1;     // local allergen class; -1 when unknown
    std::int32_t m_nGROUPE = -1;    // the group's own allergen; -1 when NULL
    std::int32_t m_nPARENTOVL = -1; // parent of the local class; -1 when unknown
};

// The allergens, with their name in the user's language and the local class standing for
// each; knows the members of the allergen groups 29, 30 and 27.
class CAlrgCache {
public:
    static constexpr int kGroups[] = {29, 30, 27};

    // Reads the central allergens, then finds the local class of those that name none by
    // looking their name up in the local class tree.
    void Build(db::Connection& central, db::Connection& local, int nLanguageIndex);
    bool IsLoaded() const { return m_bLoaded; }

    // Empty text or null when not cached.
    const std::string& GetName(std::int32_t nAllergenId) const;
    const ALRGCACHE* FindRecord(std::int32_t nAllergenId) const;
    const ALRGCACHE* FindRecordByLocalClass(std::int32_t nClassId) const;

    // By row; throw std::invalid_argument outside the rows.
    int GetCount() const { return static_cast<int>(m_records.size()); }
    const ALRGCACHE& GetRecord(int nRow) const;
    const std::string& GetNameByRow(int nRow) const;
    const std::string& GetCodeByRow(int nRow) const;

    // The highest allergen identifier read; -1 when none.
    std::int32_t GetHighestId() const { return m_nHighestId; }
    // The member set of group 27, 29 or 30; 0 for any other identifier.
    std::uint64_t GetGroupMembers(int nGroup) const;

    // Adds the bit of every group whose members are all in the mask; members stay.
    std::uint64_t MarkCompleteGroups(std::uint64_t nMask) const;
    // Removes the members of every group whose own bit is in the mask.
    std::uint64_t CollapseGroups(std::uint64_t nMask) const;
    // Groups 29 and 30 only: a complete group shows as its own bit instead of its members.
    std::uint64_t FoldGroupsForDisplay(std::uint64_t nMask) const;

private:
    void Reset();
    void ReadAllergens(db::Connection& central, int nLanguageIndex);
    void AddToGroup(std::int32_t nId, std::int32_t nGroup);
    void ResolveLocalClasses(db::Connection& local, int nLanguageIndex);
    bool IsComplete(int nGroup, std::uint64_t nMask) const;
    size_t CheckRow(int nRow) const;
    std::uint64_t& MembersOf(int nGroup);

    std::vector<ALRGCACHE> m_records;
    std::vector<std::string> m_names;
    std::vector<std::string> m_codes;
    CIntIndex m_localIndex;
    CIntIndex m_idIndex;
    std::uint64_t m_nGroup29 = 0;
    std::uint64_t m_nGroup30 = 0;
    std::uint64_t m_nGroup27 = 0;
    std::int32_t m_nHighestId = -1;
    bool m_bLoaded = false;
};

} // namespace ovl
