#include "app/browser_views.h"

// The system's WebBrowser control draws itself and keeps the cache that the purge batch,
// run by the command interpreter, deletes: there is nothing to prepare.
void prepareBrowserViews() {}
