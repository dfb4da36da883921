#include <curl/curl.h>

#include "net/curl_failure.h"
#include "net/download_result.h"

namespace longtail {

std::string_view DownloadFailureName(DownloadFailure failure) {
  switch (failure) {
    case DownloadFailure::None:
      return "none";
    case DownloadFailure::BadUrl:
      return "bad address";
    case DownloadFailure::Connect:
      return "no connection";
    case DownloadFailure::Tls:
      return "TLS failure";
    case DownloadFailure::Timeout:
      return "timeout";
    case DownloadFailure::TooLarge:
      return "too large";
    case DownloadFailure::CutShort:
      return "cut short";
    case DownloadFailure::Redirect:
      return "bad redirect";
    case DownloadFailure::BadAnswer:
      return "malformed answer";
    case DownloadFailure::EmptyBody:
      return "empty body";
    case DownloadFailure::Cancelled:
      return "cancelled";
    case DownloadFailure::Other:
      return "failure";
  }
  return "failure";
}

DownloadFailure FailureFromCurlCode(int code, bool redirected) {
  switch (static_cast<CURLcode>(code)) {
    case CURLE_OK:
      return DownloadFailure::None;
    case CURLE_UNSUPPORTED_PROTOCOL:
      return redirected ? DownloadFailure::Redirect : DownloadFailure::BadUrl;
    case CURLE_URL_MALFORMAT:
      return redirected ? DownloadFailure::Redirect : DownloadFailure::BadUrl;
    case CURLE_TOO_MANY_REDIRECTS:
      return DownloadFailure::Redirect;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
      return DownloadFailure::Connect;
    case CURLE_OPERATION_TIMEDOUT:
      return DownloadFailure::Timeout;
    case CURLE_FILESIZE_EXCEEDED:
      return DownloadFailure::TooLarge;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
      return DownloadFailure::CutShort;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
      return DownloadFailure::Tls;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_HTTP2:
    case CURLE_BAD_CONTENT_ENCODING:
      return DownloadFailure::BadAnswer;
    case CURLE_ABORTED_BY_CALLBACK:
      return DownloadFailure::Cancelled;
    default:
      return DownloadFailure::Other;
  }
}

}  // namespace longtail
