#include "gui/gtk_theme.h"

#include <algorithm>

#include <wx/window.h>

#ifdef __WXGTK3__
#include <dlfcn.h>
#endif

namespace kortavex {

#ifdef __WXGTK3__
namespace {

constexpr char kCompactCss[] =
    "button { padding: 0 2px; min-height: 0; min-width: 0; }\n"
    "combobox button { padding: 0 4px; min-height: 0; }\n"
    "combobox arrow { min-width: 12px; min-height: 12px; }\n"
    "checkbutton { padding: 0; }\n"
    "checkbutton check { min-width: 13px; min-height: 13px; margin: 0; }\n";

// GTK is loaded by the toolkit; its functions are looked up in the running
// process so that the build needs no GTK headers.
template <class Function>
Function gtkFunction(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace
#endif

void useCompactControls() {
#ifdef __WXGTK3__
  static bool applied = false;
  if (applied) return;
  applied = true;
  using NewProvider = void* (*)();
  using LoadData = int (*)(void* provider, const char* data, long length, void** error);
  using DefaultScreen = void* (*)();
  using AddProvider = void (*)(void* screen, void* provider, unsigned priority);
  using Unref = void (*)(void* object);
  const auto newProvider = gtkFunction<NewProvider>("gtk_css_provider_new");
  const auto loadData = gtkFunction<LoadData>("gtk_css_provider_load_from_data");
  const auto defaultScreen = gtkFunction<DefaultScreen>("gdk_screen_get_default");
  const auto addProvider = gtkFunction<AddProvider>("gtk_style_context_add_provider_for_screen");
  const auto unref = gtkFunction<Unref>("g_object_unref");
  if (!newProvider || !loadData || !defaultScreen || !addProvider || !unref) return;
  void* const screen = defaultScreen();
  if (!screen) return;
  constexpr unsigned kApplicationPriority = 600;  // GTK_STYLE_PROVIDER_PRIORITY_APPLICATION
  void* const provider = newProvider();
  if (loadData(provider, kCompactCss, -1, nullptr))
    addProvider(screen, provider, kApplicationPriority);
  unref(provider);
#endif
}

double textScale() {
#ifdef __WXGTK3__
  using DefaultScreen = void* (*)();
  using Resolution = double (*)(void* screen);
  const auto defaultScreen = gtkFunction<DefaultScreen>("gdk_screen_get_default");
  const auto resolution = gtkFunction<Resolution>("gdk_screen_get_resolution");
  if (!defaultScreen || !resolution) return 1;
  void* const screen = defaultScreen();
  if (!screen) return 1;
  constexpr double kDesignResolution = 96;
  return std::max(1.0, resolution(screen) / kDesignResolution);  // -1 when unset
#else
  return 1;
#endif
}

void showScrollBars(wxWindow* window) {
#ifdef __WXGTK3__
  using GetType = unsigned long (*)();
  using IsA = int (*)(void* instance, unsigned long type);
  using SetOverlay = void (*)(void* scrolledWindow, int overlay);
  const auto scrolledWindowType = gtkFunction<GetType>("gtk_scrolled_window_get_type");
  const auto isA = gtkFunction<IsA>("g_type_check_instance_is_a");
  const auto setOverlay = gtkFunction<SetOverlay>("gtk_scrolled_window_set_overlay_scrolling");
  if (!scrolledWindowType || !isA || !setOverlay) return;
  void* const widget = window->GetHandle();
  if (widget && isA(widget, scrolledWindowType())) setOverlay(widget, 0);
#else
  (void)window;
#endif
}

}  // namespace kortavex
