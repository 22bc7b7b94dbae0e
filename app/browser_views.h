#pragma once

// Prepares the engine behind the browser views before the application object exists.
void prepareBrowserViews();
