#pragma once
// The fourteen element groups of the View menu: eleven chemical families and three broad classes.
// Fixed lists, not derived from the element table or the tile colours.
#include <array>
#include <vector>

namespace catalogue {

enum class Group {
    Alkali, Alkaline, Transition, Aluminum, Carbon, Nitrogen, Oxygen, Halogens, Nobel, Lanthanide, Actinide,
    Metals, NonMetals, RareEarth,
};
constexpr int kGroupCount = 14;

// Element indices of a group in ascending order.
std::vector<int> Members(Group group);
bool IsMember(Group group, int index);

// The groups in the order the legend labels are hidden by a game start.
inline constexpr std::array<Group, kGroupCount> kLegendOrder{
    Group::Metals, Group::NonMetals, Group::RareEarth, Group::Alkali, Group::Alkaline, Group::Transition,
    Group::Aluminum, Group::Carbon, Group::Nitrogen, Group::Oxygen, Group::Halogens, Group::Nobel,
    Group::Actinide, Group::Lanthanide,
};

// The 50 elements played in the common-element games.
bool IsCommon(int index);
inline constexpr int kCommonCount = 50;

} // namespace catalogue
