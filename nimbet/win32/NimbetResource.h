// Resource identifiers of Nimbet.dll: the control's own cursors.
#pragma once

#define IDC_NIMBET_LINESELECT 101 // arrow pointing right, over the line-number area
#define IDC_NIMBET_LINK 102       // hand, over a clickable URL or mail address
