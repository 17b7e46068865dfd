// The once-per-run download of the status file, off the user-interface thread.
#pragma once
#include <string>

namespace vorlen::win {

// Starts fetching `url` in the background. The download goes to a temporary file in the
// target's folder; only a complete, small status file replaces `target`, in one atomic
// step. A failed, partial or foreign download leaves `target` exactly as it was. The
// result is not reported.
void StartStatusDownload(const std::wstring& url, const std::wstring& target);

// The same work, done on the calling thread; answers whether `target` was replaced.
bool DownloadStatusFile(const std::wstring& url, const std::wstring& target);

}  // namespace vorlen::win
