#pragma once
// Maps a libcurl result code to the kind of failure a download reports.

#include "net/download_result.h"

namespace longtail {

// `code` is a CURLcode; `redirected` tells whether a redirect was being followed, which
// turns a refused scheme into a refused redirect.
DownloadFailure FailureFromCurlCode(int code, bool redirected);

}  // namespace longtail
