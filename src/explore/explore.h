#pragma once
// Exploration: the information panel and the View-menu reveals.
#include "catalogue/families.h"

class frmMain;

namespace explore {

void ShowElement(frmMain& form, int index);
void EmptyPanel(frmMain& form);

void RevealGroup(frmMain& form, catalogue::Group group);
void RevealAll(frmMain& form);
void ClickAlkalineLabel(frmMain& form);

} // namespace explore
