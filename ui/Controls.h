#pragma once

// Every control of the form toolkit, for forms that use many; a unit that needs one control
// includes its own header (ui/TEdit.h, ui/TButton.h, ...).
#include "ui/TArrayBrowse.h"
#include "ui/TButton.h"
#include "ui/TCheckBox.h"
#include "ui/TComboBox.h"
#include "ui/TControl.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"
#include "ui/TRadio.h"
#include "ui/TStatusBar.h"
