#include "display/window.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include "control/on_key.h"
#include "control/settings.h"
#include "display/captions.h"
#include "display/time_charts.h"
#include "platform/window_title.h"
#include "scene/scene_layers.h"

void open_window(int* argc, char** argv) {
  glutInitWindowSize(800, 800);
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(window_title);
  set_window_title_utf8(window_title);
  glutDisplayFunc(on_display);
  glutReshapeFunc(on_reshape);
  glutKeyboardFunc(on_key);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void start_window(int argc, char** argv) {
  open_window(&argc, argv);
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

void on_display() {
  frame_begin();
  draw_title();
  draw_legend();
  draw_scene();
  draw_charts(settings.agv_type, settings.step);
  frame_end();
}
