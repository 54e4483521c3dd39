// The information panel: pointing at a cell shows its element, the bare window empties it.
#include "explore/explore.h"

#include "catalogue/elements.h"
#include "shell/frmMain.h"

namespace explore {
namespace {
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
} // namespace

void ShowElement(frmMain& form, int index)
{
    const catalogue::ElementRecord& e = catalogue::Element(index);
    form.lblName->setCaption(Text(e.name));
    form.lblAtomicMass->setCaption(Text(e.atomicMass));
    form.lblMelting->setCaption(Text(e.meltingPoint));
    form.lblBoiling->setCaption(Text(e.boilingPoint));
    form.lblNumber->setCaption(QString::number(e.number)); // written even while hidden
}

void EmptyPanel(frmMain& form)
{
    for (Label* label : {form.lblName, form.lblAtomicMass, form.lblMelting, form.lblBoiling, form.lblNumber})
        label->setCaption(QString());
}

} // namespace explore
