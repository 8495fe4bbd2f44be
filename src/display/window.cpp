#include "display/window.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include "platform/window_title.h"

void open_window(int* argc, char** argv, const WindowCallbacks& callbacks) {
  glutInitWindowSize(800, 800);
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(window_title);
  set_window_title_utf8(window_title);
  glutDisplayFunc(callbacks.display);
  glutReshapeFunc(on_reshape);
  glutKeyboardFunc(callbacks.keyboard);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void start_window(int argc, char** argv, const WindowCallbacks& callbacks) {
  open_window(&argc, argv, callbacks);
  glutMainLoop();
}

void on_reshape(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

void frame_begin() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
}

void frame_end() {
  glFlush();
  glutSwapBuffers();
}
