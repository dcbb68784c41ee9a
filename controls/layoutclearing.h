#pragma once

class QLayout;

// Takes every item out of the layout, deletes its widget and clears nested
// layouts the same way, then deletes the layout itself, so the widget that
// owned it has none. A null layout is left alone. Composite controls tear
// their cells down with it before a rebuild; the preview uses it too.
void clearLayout(QLayout *layout);
