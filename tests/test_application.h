#pragma once

// The widget tests run in the program's own application object. Its message boxes, among them the
// error box for an exception that escapes an event handler, go to TestDialogs(), which records them.

#include "app/application.h"
#include "tests/scripted_dialogs.h"

TScriptedDialogs& TestDialogs();
