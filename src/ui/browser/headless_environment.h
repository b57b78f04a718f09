#pragma once

namespace zentrova {

// Lets WebEngine run without a display, as any user: the offscreen platform, no GPU, no
// background traffic of the browser's own, and no Chromium sandbox for root, which it refuses
// to start under. Must run before the application object exists; settings the caller's
// environment already holds are kept.
void PrepareHeadlessWebEngine();

}  // namespace zentrova
