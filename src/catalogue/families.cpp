#include "catalogue/families.h"

namespace catalogue {
namespace {

// Members as runs of ascending ElementIndex values, each run [first, last] inclusive.
struct Span {
    int first = 0, last = -1;
};
using Spans = std::array<Span, 16>;

struct ElementFamily {
    Group group;
    Spans spans;
};

// One row per group, members by ElementIndex.
constexpr ElementFamily kGroups[kGroupCount] = {
    {Group::Alkali, {{{0, 0}, {2, 2}, {10, 10}, {18, 18}, {36, 36}, {54, 54}, {86, 86}}}},
    {Group::Alkaline, {{{3, 3}, {11, 11}, {19, 19}, {37, 37}, {55, 55}, {87, 87}}}},
    {Group::Transition, {{{20, 29}, {38, 47}, {71, 79}}}},
    {Group::Aluminum, {{{4, 4}, {12, 12}, {30, 30}, {48, 48}, {80, 80}}}},
    {Group::Carbon, {{{5, 5}, {13, 13}, {31, 31}, {49, 49}, {81, 81}}}},
    {Group::Nitrogen, {{{6, 6}, {14, 14}, {32, 32}, {50, 50}, {82, 82}}}},
    {Group::Oxygen, {{{7, 7}, {15, 15}, {33, 33}, {51, 51}, {83, 83}}}},
    {Group::Halogens, {{{8, 8}, {16, 16}, {34, 34}, {52, 52}, {84, 84}}}},
    {Group::Nobel, {{{1, 1}, {9, 9}, {17, 17}, {35, 35}, {53, 53}, {85, 85}}}},
    {Group::Lanthanide, {{{56, 70}}}},
    {Group::Actinide, {{{88, 102}}}},
    {Group::Metals, {{{2, 3}, {10, 12}, {18, 31}, {36, 50}, {54, 55}, {71, 83}, {86, 87}, {103, 108}}}},
    {Group::NonMetals, {{{1, 1}, {4, 9}, {13, 17}, {32, 35}, {51, 53}, {84, 85}}}},
    {Group::RareEarth, {{{56, 70}, {88, 102}}}},
};

// Members and IsMember take a group's row by its enum value.
constexpr bool RowsFollowTheGroupEnum()
{
    for (int g = 0; g < kGroupCount; ++g)
        if (kGroups[g].group != static_cast<Group>(g))
            return false;
    return static_cast<int>(Group::RareEarth) + 1 == kGroupCount;
}
static_assert(RowsFollowTheGroupEnum(), "kGroups must hold one row per Group, in the order of the enum");

constexpr Spans kCommon = {{
    {0, 19}, {23, 32}, {34, 35}, {46, 46}, {49, 50}, {52, 53}, {55, 55}, {73, 73}, {78, 79},
    {81, 82}, {85, 87}, {91, 91}, {93, 93}, {95, 95}, {101, 101},
}};

constexpr bool InSpans(const Spans& spans, int index)
{
    for (const Span& s : spans)
        if (index >= s.first && index <= s.last)
            return true;
    return false;
}

} // namespace

std::vector<int> Members(Group group)
{
    std::vector<int> members;
    for (const Span& s : kGroups[static_cast<int>(group)].spans)
        for (int i = s.first; i <= s.last; ++i)
            members.push_back(i);
    return members;
}

bool IsMember(Group group, int index) { return InSpans(kGroups[static_cast<int>(group)].spans, index); }

bool IsCommon(int index) { return InSpans(kCommon, index); }

} // namespace catalogue
