// The information panel: pointing at a cell shows its element, the bare window empties it.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "chart/chart.h"
#include "platform/language.h"

using chart::Label;

namespace explore {

void ShowElement(Chart& chart, int index)
{
    const catalogue::ElementRecord& e = catalogue::Element(index);
    // The name in the player's language, the values with the locale's decimal separator.
    chart.lblName->setCaption(catalogue::ElementName(index));
    chart.lblAtomicMass->setCaption(platform::LocaleDecimal(e.atomicMass));
    chart.lblMelting->setCaption(platform::LocaleDecimal(e.meltingPoint));
    chart.lblBoiling->setCaption(platform::LocaleDecimal(e.boilingPoint));
    chart.lblNumber->setCaption(QString::number(e.number)); // written even while hidden
}

void EmptyPanel(Chart& chart)
{
    for (Label* label : {chart.lblName, chart.lblAtomicMass, chart.lblMelting, chart.lblBoiling, chart.lblNumber})
        label->setCaption(QString());
}

} // namespace explore
