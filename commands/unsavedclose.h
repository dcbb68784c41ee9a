#pragma once

class FileWrite;
class QWidget;

// The question of a tool whose save on closing failed: without it the tool
// could only stay open, and the window with it.
namespace unsavedclose {

// Says why the write failed (the whole path and the reason) and asks whether
// to close without saving. True for 是: the file stays as it was. Enter and
// Escape answer 否, so the tool keeps its text.
bool askToCloseWithoutSaving(QWidget *tool, const FileWrite &failed);

} // namespace unsavedclose
