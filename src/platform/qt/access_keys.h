#pragma once

// Access keys (Alt and an underlined letter) of a form's window. Qt hands
// such a key to one of the widgets that registered its letter, in turn when
// several did: the buttons with that letter, on show or not, and the menu
// bar for its titles. Whichever of them gets the key passes it here, so
// that every press does the same:
// - the buttons open to the key take it: on show, enabled, and under no
//   frame made later. One such button is clicked; among several, the focus
//   moves on to the next of them;
// - only where no button is open to it, a title of the menu bar with that
//   letter opens its menu.

class Form;
class QKeySequence;

// The buttons' part of the key: clicks the one button open to it, or moves
// the focus on among several. False when no button is open to it.
bool PressAccessKeyButton(const Form& form, const QKeySequence& key);

// The menu bar's part of the key: opens the menu of the visible, enabled
// title with that letter. False when there is none.
bool OpenMenuByAccessKey(const Form& form, const QKeySequence& key);
