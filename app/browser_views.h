#pragma once

// Prepares the engine behind the browser views before the application object exists, and
// hands the purge of its cache to the launcher where no command interpreter runs the batch.
void prepareBrowserViews();
