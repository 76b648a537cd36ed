#pragma once

namespace turnpixa {

class Photo;

// What the project needs from whoever runs it: the wizard answers with its
// one-shot timer, Qt's event processing and queued calls to the active page;
// turnpixa-cli and the tests with plain functions.
class ProjectHost {
public:
    virtual ~ProjectHost() = default;
    // (Re)start the one-shot 1000 ms pre-render timer, replacing one running.
    virtual void restartPreRenderTimer() = 0;
    virtual void processPendingEvents() = 0;
    // Posted notifications to the active page.
    virtual void postPhotoAdded(int number, Photo* photo) = 0;
    virtual void postRefreshCurrentFrame() = 0;
    // The project has started decoding sources again in the background: the
    // host takes them in with SourceRescaler::takeArrived as they arrive.
    virtual void sourcesRescaling() {}
};

}  // namespace turnpixa
