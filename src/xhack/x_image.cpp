// Shared-memory and plain image transfer to the hack's window.
#include "x_image.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <new>

#include "x_target.h"

WindowImage::WindowImage(Display* display, Window window, int depth, int bitsPerPixel, int width, int height,
                         bool forCairo)
    : display_(display), window_(window), gc_(XCreateGC(display, window, 0, nullptr)) {
  // Rows padded to 32 bits, as the server's formats and cairo's RGB24 both have them.
  const int stride = (width * bitsPerPixel + 31) / 32 * 4;
  const std::size_t bytes = static_cast<std::size_t>(stride) * height;

  // A display over the network (or a server without the extension) shares no
  // memory; the server says so only by refusing the attachment.
  if (XShmQueryExtension(display) && bytes > 0) {
    segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment_.shmid >= 0) {
      void* address = shmat(segment_.shmid, nullptr, 0);
      if (address != reinterpret_cast<void*>(-1)) {
        segment_.shmaddr = static_cast<char*>(address);
        segment_.readOnly = True;
        const unsigned long errorsBefore = XErrorCount();
        XShmAttach(display, &segment_);
        XSync(display, False);
        shared_ = XErrorCount() == errorsBefore;
        if (!shared_) shmdt(address);
      }
      // Marked for removal at once: it goes when both sides let go, even if
      // the hack is killed.
      shmctl(segment_.shmid, IPC_RMID, nullptr);
    }
  }
  if (!shared_) own_ = std::make_unique_for_overwrite<unsigned char[]>(bytes);
  unsigned char* pixels = shared_ ? reinterpret_cast<unsigned char*>(segment_.shmaddr) : own_.get();

  image_.width = width;
  image_.height = height;
  image_.format = ZPixmap;
  image_.data = reinterpret_cast<char*>(pixels);
  image_.obdata = reinterpret_cast<char*>(&segment_);
  // In the server's own order: shared memory is read as it lies. (cairo's
  // layout is used only where that is this machine's order.)
  image_.byte_order = ImageByteOrder(display);
  image_.bitmap_unit = BitmapUnit(display);
  image_.bitmap_bit_order = BitmapBitOrder(display);
  image_.bitmap_pad = 32;
  image_.depth = depth;
  image_.bytes_per_line = stride;
  image_.bits_per_pixel = bitsPerPixel;
  XInitImage(&image_);
  if (forCairo)
    surface_.reset(cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, width, height, stride));
}

WindowImage::~WindowImage() {
  surface_.reset();
  if (shared_) {
    XShmDetach(display_, &segment_);
    XSync(display_, False);
    shmdt(segment_.shmaddr);
  }
  XFreeGC(display_, gc_);
}

void WindowImage::Put() {
  if (image_.width <= 0 || image_.height <= 0) return;
  if (surface_) cairo_surface_flush(surface_.get());
  if (shared_) {
    XShmPutImage(display_, window_, gc_, &image_, 0, 0, 0, 0, image_.width, image_.height, False);
  } else {
    // One request up to the server's largest (16 MB with big requests: a
    // 2560x1600 picture); Xlib sends a larger one in bands, straight after
    // one another.
    XPutImage(display_, window_, gc_, &image_, 0, 0, 0, 0, image_.width, image_.height);
  }
  XSync(display_, False);
}
