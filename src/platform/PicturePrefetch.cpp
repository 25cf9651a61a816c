#include "PicturePrefetch.h"

#include "ResourcePath.h"

#include <future>
#include <map>
#include <mutex>

namespace terralore {

namespace {

std::mutex g_lock;
std::map<QString, std::future<Picture>> g_pending;

} // namespace

void prefetchPicture(const QString &relativePath)
{
    // The path is resolved here, on the caller's thread, against the data
    // folder of the moment.
    const QString path = resolveResource(relativePath);
    const std::lock_guard lock(g_lock);
    g_pending[relativePath] = std::async(std::launch::async, [path] { return Picture::load(path); });
}

std::optional<Picture> takePrefetchedPicture(const QString &relativePath)
{
    std::future<Picture> pending;
    {
        const std::lock_guard lock(g_lock);
        const auto found = g_pending.find(relativePath);
        if (found == g_pending.end())
            return std::nullopt;
        pending = std::move(found->second);
        g_pending.erase(found);
    }
    return pending.get();
}

} // namespace terralore
