#include "core/Services.h"

namespace {
Services*& inForce() {
    static Services* current = nullptr;
    return current;
}

Services& real() {
    static Services services;
    return services;
}
} // namespace

Services& CurrentServices() {
    return inForce() ? *inForce() : real();
}

UseServices::UseServices(Services& services) : previous_(inForce()) {
    inForce() = &services;
}

UseServices::~UseServices() {
    inForce() = previous_;
}
