#pragma once

#include <QList>

class QWidget;
class UIPage;

// The question asked before something reads the page files of pages that
// hold unsaved edits: closing the window, the preview, the upload, a copy.
namespace savequestion {

// Typing pending in the property panel is committed first. Nothing to ask
// when no page is modified. Save writes the modified ones, No goes on
// without them, Cancel stops. False when the caller must stop: cancelled,
// or a page could not be written (its save has said why).
bool askToSave(QWidget *parent, const QList<UIPage *> &pages);

} // namespace savequestion
