#pragma once
// The one TSuperOptions of the learning program and the steps through which
// the start-up, the user base and the shutdown reach it.
namespace vyr {

class TSuperOptions;
class TXUserBase;

TSuperOptions* SuperOptions();  // nullptr before the start-up step and after release

// Start-up: the options of this installation, with the one music player of
// the program, created here when none exists yet. Loads nothing.
void CreateSuperOptions();
// Start-up, after the login: the values of nobody when nobody logged in.
void LoadSuperOptionsWithoutUser();
// Every login loads the new user's values; every logout first saves the
// old user's when they changed.
void ConnectSuperOptions(TXUserBase& users);
// Shutdown, after the user's logout and before the music player goes:
// saves when modified, then frees the options.
void ReleaseSuperOptions();

}  // namespace vyr
