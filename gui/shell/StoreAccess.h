#pragma once
// How a controller reaches the library store, which exists only between the
// start-up step that makes it and the shutdown step that frees it. The
// composition root implements it; controllers never see the root itself.
namespace vireo {
class TID3TagUseful;
}

namespace vireo::gui {

class StoreAccess {
public:
    virtual ~StoreAccess() = default;
    // Null before start-up makes the store and after shutdown frees it.
    virtual TID3TagUseful *store() const = 0;
};

} // namespace vireo::gui
