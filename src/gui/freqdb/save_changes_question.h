#pragma once
#include <QString>
#include <functional>

class QWidget;

// The question asked before unsaved changes of the frequency database would
// be lost: "Save changes to the frequency database <file>?" with Save,
// Discard and Cancel. Tests put their own answer in place of the box.

enum class SaveChangesAnswer { Save, Discard, Cancel };

// `file` is what the question names: the current file, or "untitled".
SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& file);

using SaveChangesHandler = std::function<SaveChangesAnswer(const QString& question)>;
// Replaces the box; an empty handler brings the real box back.
void SetSaveChangesHandler(SaveChangesHandler handler);
