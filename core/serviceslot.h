#pragma once

// Holds the one implementation of a lower layer's interface that a higher
// layer installs. Until one is installed, and after it is taken out again,
// callers get the interface's own harmless default, so a layer can be built
// and tested without the application.
template <typename Interface, typename Fallback>
class ServiceSlot
{
public:
    static Interface *get()
    {
        static Fallback fallback;
        Interface *installed = slot();
        return installed ? installed : &fallback;
    }
    // Null puts the default back.
    static void install(Interface *service) { slot() = service; }

private:
    static Interface *&slot()
    {
        static Interface *service = nullptr;
        return service;
    }
};
