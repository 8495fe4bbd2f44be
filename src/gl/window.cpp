#include "gl/window.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>

#include "display/help_overlay.h"
#include "platform/window_title.h"

// Whether this process drew into a window of the window library: frames drawn without
// one (the off-screen context of tests and pictures) are not shown, and no timer runs.
bool has_window() {
  return glutGet(GLUT_INIT_STATE) != 0 && glutGetWindow() != 0;
}

void open_window(int* argc, char** argv, const WindowCallbacks& callbacks) {
  glutInitWindowSize(800, 800);
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(window_title);
  set_window_title_utf8(window_title);
  glutDisplayFunc(callbacks.display);
  glutReshapeFunc(callbacks.reshape ? callbacks.reshape : on_reshape);
  glutKeyboardFunc(callbacks.keyboard);
  if (callbacks.close) glutCloseFunc(callbacks.close);
  init_frame_state();
  load_help_pictures();  // decoded now, so that no frame allocates for them
}

void init_frame_state() {
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void start_window(int argc, char** argv, const WindowCallbacks& callbacks) {
  open_window(&argc, argv, callbacks);
  run_window();
}

void run_window() {
  glutMainLoop();
}

void on_reshape(int width, int height) {
  const PictureBox box = picture_box(width, height);
  if (box.oversized && has_window()) {
    glutReshapeWindow(std::min(width, max_window_side), std::min(height, max_window_side));
  }
  glViewport(box.x, box.y, box.side, box.side);
  glScissor(box.x, box.y, box.side, box.side);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

void frame_begin() {
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  glLoadIdentity();
}

void frame_end() {
  glFlush();
  if (has_window()) glutSwapBuffers();
}

void call_after_ms(unsigned ms, void (*callback)(int), int value) {
  if (has_window()) glutTimerFunc(ms, callback, value);
}
