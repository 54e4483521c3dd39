// The information panel: pointing at a cell shows its element, the bare window empties it.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "chart/chart.h"

using chart::Label;

namespace explore {
namespace {
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
} // namespace

void ShowElement(Chart& chart, int index)
{
    const catalogue::ElementRecord& e = catalogue::Element(index);
    chart.lblName->setCaption(Text(e.name));
    chart.lblAtomicMass->setCaption(Text(e.atomicMass));
    chart.lblMelting->setCaption(Text(e.meltingPoint));
    chart.lblBoiling->setCaption(Text(e.boilingPoint));
    chart.lblNumber->setCaption(QString::number(e.number)); // written even while hidden
}

void EmptyPanel(Chart& chart)
{
    for (Label* label : {chart.lblName, chart.lblAtomicMass, chart.lblMelting, chart.lblBoiling, chart.lblNumber})
        label->setCaption(QString());
}

} // namespace explore
