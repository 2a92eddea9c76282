#pragma once

// The program writes nothing but the files the pupil saves. Qt's file dialogs store their
// history and last folder in a settings file of their own when they close; after this call
// such settings have nowhere to go, and the last folder lives on in memory only, for the
// rest of the session. Call it once, after the application object is made.
void keepSettingsOffDisk();
