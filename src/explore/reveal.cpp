// The View menu: the chart with one group's tiles and its legend label, or the whole chart.
#include "explore/explore.h"

#include "game/game.h"
#include "chart/chart.h"

namespace explore {

void RevealGroup(Chart& chart, catalogue::Group group)
{
    game::ClearBoard(chart);
    chart.LegendLabel(group)->setShown(true);
    chart.frmHold.Open(chart.DevicePixelRatio());
    for (int i : catalogue::Members(group))
        chart.Image1[i]->setPicture(chart.frmHold.Picture(i));
}

void RevealAll(Chart& chart)
{
    game::ClearBoard(chart);
    chart.lblMetals->setShown(true);
    chart.lblNonMetals->setShown(true);
    chart.lblRareEarth->setShown(true);
    chart.lblNumber->setShown(false);
    chart.lblAtomicnum->setShown(false);
    chart.frmHold.Open(chart.DevicePixelRatio());
    for (int i = 0; i < catalogue::kElementCount; ++i)
        chart.Image1[i]->setPicture(chart.frmHold.Picture(i));
}

void ClickAlkalineLabel(Chart& chart)
{
    if (chart.lblAlkaline->shown())
        RevealGroup(chart, catalogue::Group::Alkaline);
}

} // namespace explore
