#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <atk-bridge.h>
#include <atk/atk.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "atk_node.h"

// The accessibility module: the bridge that puts the tree on the desktop's accessibility bus,
// GLib's context served from FLTK's loop, and the events that make a reader speak.
namespace pruhomat::fltk {
namespace {

AtkObject* root() { return accessibleApplication(); }
const gchar* toolkitName() { return "FLTK"; }
const gchar* toolkitVersion() {
    static const std::string version = std::to_string(FL_MAJOR_VERSION) + "." + std::to_string(FL_MINOR_VERSION) +
                                       "." + std::to_string(FL_PATCH_VERSION);
    return version.c_str();
}

// Wakes FLTK's loop; the check that follows serves GLib.
void wake(int, void*) {}
void wakeAfterTimeout(void*) {}

// GLib's context on the one GUI thread: what is ready is dispatched each time FLTK is about to
// wait, and FLTK's wait watches GLib's descriptors and its next timeout.
class GlibInFltk {
public:
    static void serve(void* self) { static_cast<GlibInFltk*>(self)->dispatchAndWatch(); }

private:
    // A source that is always ready must not hold FLTK's loop.
    static constexpr int mostDispatchesAtOnce = 64;

    void dispatchAndWatch() {
        GMainContext* context = g_main_context_default();
        for (int dispatch = 0; dispatch < mostDispatchesAtOnce && g_main_context_iteration(context, FALSE); ++dispatch) {
        }
        for (const GPollFD& watched : descriptors_) {
            Fl::remove_fd(watched.fd);
        }
        gint priority = 0;
        g_main_context_prepare(context, &priority);
        gint timeout = -1;
        gint count = 0;
        const auto room = [this] { return static_cast<gint>(descriptors_.size()); };
        while ((count = g_main_context_query(context, priority, &timeout, descriptors_.data(), room())) > room()) {
            descriptors_.resize(static_cast<std::size_t>(count));
        }
        descriptors_.resize(static_cast<std::size_t>(count));
        for (const GPollFD& watched : descriptors_) {
            const int events = ((watched.events & G_IO_IN) ? FL_READ : 0) | ((watched.events & G_IO_OUT) ? FL_WRITE : 0);
            Fl::add_fd(watched.fd, events, wake, nullptr);
        }
        Fl::remove_timeout(wakeAfterTimeout);
        if (timeout >= 0) {
            Fl::add_timeout(timeout / 1000.0, wakeAfterTimeout);
        }
    }

    std::vector<GPollFD> descriptors_;
};

void emitChildrenChanged(AtkObject* parent, bool added, AtkObject* child) {
    g_signal_emit_by_name(parent, added ? "children-changed::add" : "children-changed::remove",
                          atk_object_get_index_in_parent(child), child);
}

class AtkBus final : public ReaderBus {
public:
    void opened(ReaderWindow& window) override {
        trees_.push_back(std::make_unique<AtkWindowTree>(window));
        openTrees().push_back(trees_.back().get());
        AtkObject* self = trees_.back()->object(forms::noControl);
        emitChildrenChanged(accessibleApplication(), true, self);
        g_signal_emit_by_name(self, "create");
        g_signal_emit_by_name(self, "activate");
        focusMoved(window);
    }

    void closed(ReaderWindow& window) override {
        AtkWindowTree* tree = treeOf(window);
        AtkObject* self = tree->object(forms::noControl);
        g_signal_emit_by_name(self, "deactivate");
        g_signal_emit_by_name(self, "destroy");
        g_signal_emit_by_name(accessibleApplication(), "children-changed::remove", -1, self);
        std::erase(openTrees(), tree);
        std::erase_if(trees_, [tree](const auto& kept) { return kept.get() == tree; });
    }

    void changed(ReaderWindow& window, std::size_t index, forms::PropertySet properties) override;
    void focusMoved(ReaderWindow& window) override;

private:
    AtkWindowTree* treeOf(ReaderWindow& window) {
        return std::ranges::find(trees_, &window, [](const auto& tree) { return &tree->window(); })->get();
    }

    std::vector<std::unique_ptr<AtkWindowTree>> trees_;
};

void AtkBus::changed(ReaderWindow& window, std::size_t index, forms::PropertySet properties) {
    AtkWindowTree* tree = treeOf(window);
    if (properties & forms::ItemsProperty) {
        tree->forgetItems(index);
    }
    AtkObject* object = tree->madeObject(index);
    if (object == nullptr) {
        return;
    }
    const ReaderStates states = window.states(index);
    if (properties & (forms::CaptionProperty | forms::AccessibilityProperty)) {
        const std::string name = window.name(index);
        if (name != atk_object_get_name(object)) {
            atk_object_set_name(object, name.c_str());
        }
    }
    if (properties & forms::AccessibilityProperty) {
        atk_object_notify_state_change(object, ATK_STATE_SELECTED, states.selected);
        g_signal_emit_by_name(tree->parentOf(index), "selection-changed");
    }
    if (properties & forms::ValueProperty) {
        atk_object_notify_state_change(object, ATK_STATE_CHECKED, states.checked);
        if (window.role(index) == forms::ReaderRole::ComboBox) {
            g_signal_emit_by_name(object, "selection-changed");
        }
    }
    if (properties & forms::EnabledProperty) {
        atk_object_notify_state_change(object, ATK_STATE_ENABLED, states.enabled);
    }
    if (properties & forms::VisibleProperty) {
        atk_object_notify_state_change(object, ATK_STATE_SHOWING, states.shown);
        emitChildrenChanged(tree->parentOf(index), states.shown, object);
    }
}

void AtkBus::focusMoved(ReaderWindow& window) {
    AtkWindowTree* tree = treeOf(window);
    const std::size_t focus = window.active() ? window.focus() : forms::noControl;
    if (focus == tree->readerFocus) {
        return;
    }
    if (tree->readerFocus != forms::noControl && tree->madeObject(tree->readerFocus) != nullptr) {
        atk_object_notify_state_change(tree->madeObject(tree->readerFocus), ATK_STATE_FOCUSED, FALSE);
    }
    tree->readerFocus = focus;
    if (focus != forms::noControl) {
        atk_object_notify_state_change(tree->object(focus), ATK_STATE_FOCUSED, TRUE);
    }
}

// Where no bus is, the bridge's warnings would be the program's only words.
void keepQuiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

}  // namespace
}  // namespace pruhomat::fltk

extern "C" __attribute__((visibility("default"))) pruhomat::fltk::ReaderBus* pruhomat_reader_bus() {
    using namespace pruhomat::fltk;
    AtkUtilClass* util = ATK_UTIL_CLASS(g_type_class_ref(ATK_TYPE_UTIL));
    util->get_root = root;
    util->get_toolkit_name = toolkitName;
    util->get_toolkit_version = toolkitVersion;
    const GLogFunc before = g_log_set_default_handler(keepQuiet, nullptr);
    const int failed = atk_bridge_adaptor_init(nullptr, nullptr);
    g_log_set_default_handler(before, nullptr);
    if (failed != 0) {
        return nullptr;
    }
    g_main_context_acquire(g_main_context_default());
    static GlibInFltk glib;
    Fl::add_check(GlibInFltk::serve, &glib);
    static AtkBus bus;
    return &bus;
}
