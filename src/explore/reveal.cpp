// The View menu: the chart with one group's tiles and its legend label, or the whole chart.
#include "explore/explore.h"

#include "game/game.h"
#include "shell/frmMain.h"

namespace explore {

void RevealGroup(frmMain& form, catalogue::Group group)
{
    game::ClearBoard(form);
    form.LegendLabel(group)->setShown(true);
    form.frmHold.Open(form.devicePixelRatioF());
    for (int i : catalogue::Members(group))
        form.Image1[i]->setPicture(form.frmHold.Picture(i));
}

void RevealAll(frmMain& form)
{
    game::ClearBoard(form);
    form.lblMetals->setShown(true);
    form.lblNonMetals->setShown(true);
    form.lblRareEarth->setShown(true);
    form.lblNumber->setShown(false);
    form.lblAtomicnum->setShown(false);
    form.frmHold.Open(form.devicePixelRatioF());
    for (int i = 0; i < catalogue::kElementCount; ++i)
        form.Image1[i]->setPicture(form.frmHold.Picture(i));
}

void ClickAlkalineLabel(frmMain& form)
{
    if (form.lblAlkaline->shown())
        RevealGroup(form, catalogue::Group::Alkaline);
}

} // namespace explore
