#include "HttpGetText.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace turnpixa {
namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool startsWithNoCase(const std::string& text, const char* prefix) {
    const std::size_t n = std::strlen(prefix);
    if (text.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

struct Sink {
    std::string* body;
    std::size_t maxBytes;
    bool full = false;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const std::size_t n = size * count;
    const std::size_t room = sink->maxBytes - sink->body->size();
    sink->body->append(data, std::min(n, room));
    if (n > room) {
        // Enough read: stopping here makes curl report a write error,
        // which is told apart below.
        sink->full = true;
        return 0;
    }
    return n;
}

}  // namespace

HttpReply httpGet(const std::string& address, std::size_t maxBytes, const HttpOptions& options) {
    HttpReply reply;
    std::string url = address;
    if (!startsWithNoCase(url, "http://") && !startsWithNoCase(url, "https://")) {
        url = "http://" + url;
    }
    const std::size_t hostStart = url.find("//") + 2;
    if (url.find_first_of("/\\", hostStart) == std::string::npos || url.size() == hostStart) {
        reply.reason = "The address " + address + " names no page on its server.";
        return reply;
    }
    for (char& c : url) {
        if (c == '\\') c = '/';
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            reply.reason = "The address " + address + " holds a control character.";
            return reply;
        }
    }

    initCurlOnce();
    CURL* curl = curl_easy_init();
    if (!curl) {
        reply.reason = "Could not start an HTTP request.";
        return reply;
    }
    Sink sink{&reply.body, maxBytes};
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "HTTPGET");
    curl_easy_setopt(curl, CURLOPT_REFERER, options.referrer.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, options.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, options.caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);

    const CURLcode result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);

    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && sink.full)) {
        reply.reason = "Could not fetch " + address + ": " +
                       (errorText[0] ? std::string(errorText) : curl_easy_strerror(result));
        return reply;
    }
    if (reply.status < 200 || reply.status > 299) {
        reply.reason =
            "The server answered " + std::to_string(reply.status) + " for " + address + ".";
        return reply;
    }
    reply.ok = true;
    return reply;
}

std::size_t HttpGetText(const std::string& address, char* buffer, std::size_t bufferSize,
                        const HttpOptions& options) {
    if (!buffer || bufferSize == 0) return 0;
    buffer[0] = '\0';
    HttpReply reply = httpGet(address, bufferSize - 1, options);
    if (!reply.ok) return 0;
    std::memcpy(buffer, reply.body.data(), reply.body.size());
    buffer[reply.body.size()] = '\0';
    return reply.body.size();
}

}  // namespace turnpixa
