#pragma once

namespace talvera::qt {

// Marks the binder's own writes to its widgets, so that the signals those writes raise are not
// taken for the user's and fed back into the model.
class EchoGuard {
  public:
    // Whether a widget's signal is to be ignored: the binder is writing, or the form is gone.
    bool quiet() const { return mirroring_ || detached_; }
    void detach() { detached_ = true; }

    class Scope {
      public:
        explicit Scope(EchoGuard& guard) : guard_(guard), before_(guard.mirroring_) {
            guard_.mirroring_ = true;
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope() { guard_.mirroring_ = before_; }

      private:
        EchoGuard& guard_;
        bool before_;
    };

  private:
    bool mirroring_ = false;
    bool detached_ = false;
};

}  // namespace talvera::qt
