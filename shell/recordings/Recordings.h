#pragma once
// The two recordings databases of a run: the main one (the dialog edits it,
// the editor saves it) and the supplementary one (the extension packs and
// the SK and SX directories), with the start-up and shutdown steps that
// make and release them.
#include <memory>
#include <string>

#include "shell/recordings/WaveBase.h"

namespace vyr {

TXWaveBase* MainRecordings();           // nullptr before the start-up step
TXWaveBase* SupplementaryRecordings();  // likewise

// Start-up: the main database from its file, or a new empty file in the
// program directory.
void CreateRecordingsDatabase();
// Start-up: "e_w.vyr" (when a recordings directory is set), "E_sk.vyr" and
// "E_sx.vyr" as far as present.
void LoadSupplementaryRecordings();
// Shutdown. The learner never writes the database: when the dialog or the
// path dialog changed it, it says once that only the editor saves changes.
void ReleaseRecordings();
// The editor's end: asks whether to save a changed main database and saves
// it (another place on request); a database saved under a name leaves that
// name in the registry.
void SaveRecordingsAtEditorEnd();

// Tests: databases of their own.
void SetRecordings(std::unique_ptr<TXWaveBase> main, std::unique_ptr<TXWaveBase> supplementary);

}  // namespace vyr
